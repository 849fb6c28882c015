// List boxes and check lists: order, selection and check marks.
#include "toolkit/sample_form.h"
#include "ui/toolkit/headless/headless_backend.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

namespace qm::ui::test {
namespace {

using Items = std::vector<std::string>;

TEST(ToolkitLists, SortedListIgnoresLetterCaseAndKeepsEqualItemsInArrivalOrder)
{
    SampleForm f;
    ListBox& list = f.ListBox1;
    list.setSorted(true);
    for (const char* s : {"beta", "Alpha", "alpha", "_under", "Gamma", "ALPHA", "b"}) {
        list.add(s);
    }
    // '_' (0x5F) comes before every letter once letters are folded to lower case.
    EXPECT_EQ(list.items(), (Items{"_under", "Alpha", "alpha", "ALPHA", "b", "beta", "Gamma"}));
    EXPECT_EQ(list.add("BETA"), 6);
}

TEST(ToolkitLists, MakingAListSortedSortsWhatItHolds)
{
    SampleForm f;
    f.ListBox1.setItems({"c", "B", "a"});
    EXPECT_EQ(f.ListBox1.items(), (Items{"c", "B", "a"}));
    f.ListBox1.setSorted(true);
    EXPECT_EQ(f.ListBox1.items(), (Items{"a", "B", "c"}));
    f.ListBox1.insert(0, "d");  // a sorted list chooses the place itself
    EXPECT_EQ(f.ListBox1.item(3), "d");
}

TEST(ToolkitLists, SelectionFollowsItsItemThroughInsertsAndRemoves)
{
    SampleForm f;
    ListBox& list = f.ListBox1;
    list.setItems({"a", "b", "c"});
    list.setItemIndex(1);
    list.insert(0, "first");
    EXPECT_EQ(list.itemIndex(), 2);
    list.remove(0);
    EXPECT_EQ(list.itemIndex(), 1);
    list.remove(1);
    EXPECT_EQ(list.itemIndex(), -1);
    list.setItemIndex(99);
    EXPECT_EQ(list.itemIndex(), -1);
    EXPECT_THROW(list.item(5), std::out_of_range);
    EXPECT_THROW(list.remove(-1), std::out_of_range);
}

TEST(ToolkitLists, DoubleClickSelectsThenReports)
{
    SampleForm f;
    f.ListBox1.setItems({"a", "b"});
    int seen = -2;
    f.ListBox1.onDblClick = [&] { seen = f.ListBox1.itemIndex(); };
    f.ListBox1.userDoubleClick(1);
    EXPECT_EQ(seen, 1);
}

TEST(ToolkitLists, CheckListKeepsMarksAndKeysWithTheirItems)
{
    SampleForm f;
    CheckListBox& list = f.CheckListBox1;
    EXPECT_TRUE(list.font().fixedPitch);
    EXPECT_EQ(list.itemHeight(), 15);
    list.add("one", true);
    list.add("two");
    list.add("three", true);
    EXPECT_EQ(list.checkedCount(), 2);
    const std::uint64_t one = list.itemKey(0);
    const std::uint64_t three = list.itemKey(2);

    list.remove(0);
    EXPECT_FALSE(list.checked(0));
    EXPECT_TRUE(list.checked(1));
    EXPECT_EQ(list.indexOfKey(one), -1);

    list.setSorted(true);  // "three" < "two"
    EXPECT_EQ(list.item(0), "three");
    EXPECT_TRUE(list.checked(0));
    list.setItem(0, "zzz");  // moves to the end with its mark
    EXPECT_EQ(list.item(1), "zzz");
    EXPECT_TRUE(list.checked(1));
    EXPECT_EQ(list.indexOfKey(three), 1);
    list.add("one");
    EXPECT_NE(list.itemKey(0), one) << "a number is never given again";
    EXPECT_THROW(list.checked(3), std::out_of_range);
}

TEST(ToolkitLists, UserToggleFlipsTheMarkAndNamesTheItem)
{
    SampleForm f;
    CheckListBox& list = f.CheckListBox1;
    list.setItems({"a", "b"});
    std::vector<int> toggled;
    list.onClickCheck = [&](int i) { toggled.push_back(i); };
    list.userToggleCheck(1);
    list.userToggleCheck(1);
    list.userToggleCheck(5);  // beyond the list: nothing
    EXPECT_EQ(toggled, (std::vector<int>{1, 1}));
    EXPECT_FALSE(list.checked(1));
}

TEST(ToolkitLists, MemoSplitsAnyLineBreakAndJoinsWithCrLf)
{
    EXPECT_EQ(Memo::splitLines("a\r\nb\nc\rd"), (Items{"a", "b", "c", "d"}));
    EXPECT_EQ(Memo::splitLines("\r\nError"), (Items{"", "Error"}));
    EXPECT_EQ(Memo::splitLines("a\r\n"), (Items{"a"}));
    EXPECT_EQ(Memo::splitLines("a\r\n\r\n"), (Items{"a", ""}));
    EXPECT_TRUE(Memo::splitLines("").empty());
    SampleForm f;
    f.Memo1.setLines({"x", "", "y "});
    EXPECT_EQ(f.Memo1.text(), "x\r\n\r\ny ");
}

}  // namespace
}  // namespace qm::ui::test

namespace qm::ui::test {
namespace {

// Each change names its row: the backend's view (a native list, or the
// headless one here) changes just that row and keeps the selection, the
// marks, the items' data and the row on top where they were.
TEST(ToolkitListViews, ChangesByRowKeepSelectionMarksDataAndTopRow)
{
    struct Step {
        const char* what;
        std::function<void(CheckListBox&)> change;
    };
    const Step steps[] = {
        {"insert above the selection", [](CheckListBox& l) { l.insert(3, "row new"); }},
        {"remove above the selection", [](CheckListBox& l) { l.remove(0); }},
        {"remove below the selection", [](CheckListBox& l) { l.remove(20); }},
        {"new text for the selected item", [](CheckListBox& l) { l.setItem(l.itemIndex(), "row 00 renamed"); }},
        {"new text for the first item", [](CheckListBox& l) { l.setItem(0, "row 99 renamed"); }},
        {"add", [](CheckListBox& l) { l.add("row 15b", true); }},
        {"mark an item", [](CheckListBox& l) { l.setChecked(4, !l.checked(4)); }},
        {"refill in one update", [](CheckListBox& l) {
             const auto texts = l.items();
             l.beginUpdate();
             l.clear();
             for (const auto& t : texts) {
                 l.add(t);
             }
             l.endUpdate();
         }},
    };
    for (const bool sorted : {false, true}) {
        HeadlessBackend backend;
        std::vector<std::string> failures;
        backend.onFailure = [&](const std::string& m) { failures.push_back(m); };
        Application app(backend);
        SampleForm f;
        app.add(f);
        CheckListBox& list = f.CheckListBox1;
        list.setSorted(sorted);
        for (int i = 0; i < 30; ++i) {
            const std::string n = (i < 10 ? "0" : "") + std::to_string(i);
            list.setItemData(list.add("row " + n, i % 3 == 0), "id " + n);
        }
        list.setItemIndex(12);
        list.setTopIndex(10);

        for (const Step& step : steps) {
            SCOPED_TRACE(std::string(sorted ? "sorted: " : "") + step.what);
            std::map<std::string, bool> marks;
            for (int i = 0; i < list.count(); ++i) {
                marks[list.itemData(i)] = list.checked(i);
            }
            const std::string selected = list.itemIndex() >= 0 ? list.itemData(list.itemIndex()) : "";
            const bool refill = std::string(step.what).starts_with("refill");

            step.change(list);

            EXPECT_EQ(backend.shownItems(list), list.items());
            EXPECT_EQ(failures, std::vector<std::string>{});
            EXPECT_EQ(list.topIndex(), 10);
            EXPECT_EQ(list.itemIndex() >= 0 ? list.itemData(list.itemIndex()) : "", refill ? "" : selected);
            for (int i = 0; i < list.count() && !refill; ++i) {
                if (const auto mark = marks.find(list.itemData(i));
                    mark != marks.end() && !mark->first.empty() && step.what != std::string("mark an item")) {
                    EXPECT_EQ(list.checked(i), mark->second) << list.item(i);
                }
            }
            const auto items = list.items();
            EXPECT_TRUE(!sorted || std::is_sorted(items.begin(), items.end(), lessIgnoringCase));
        }
        EXPECT_EQ(list.itemAtPos(3, 2 * list.itemHeight() + 1), 12) << "a point is found in the scrolled list";
    }
}

}  // namespace
}  // namespace qm::ui::test
