#include <gtest/gtest.h>

#include <stdexcept>

#include "ui/check_lists/check_list_entries.h"
#include "ui/toolkit/toolkit.h"

namespace qm::test {
namespace {

class CheckListEntriesTest : public ::testing::Test {
 protected:
  ui::Form form{"F"};
  ui::CheckListBox list{form, "CheckListBox1"};
  CheckListEntries entries{list};
};

TEST_F(CheckListEntriesTest, ItemsKeepTheirStoredTextBesideTheShownOne) {
  entries.Append("shown a", "stored a", true);
  entries.Append("shown b", "stored b", false);
  ASSERT_EQ(list.count(), 2);
  EXPECT_EQ(list.item(1), "shown b");
  EXPECT_TRUE(list.checked(0));
  EXPECT_EQ(entries.StoredText(1), "stored b");

  entries.Set(0, "new shown", "new stored");
  EXPECT_TRUE(entries.Checked(0)) << "the mark stays";
  EXPECT_EQ(entries.DisplayText(0), "new shown");
  EXPECT_EQ(entries.StoredText(0), "new stored");

  entries.Remove(0);
  EXPECT_EQ(entries.Count(), 1u);
  EXPECT_EQ(entries.StoredText(0), "stored b");
  entries.Clear();
  EXPECT_EQ(list.count(), 0);
}

TEST_F(CheckListEntriesTest, TheUsersMarksAreTheEntriesMarks) {
  entries.AppendStored("C:\\Apps\\tool.exe {min}", false);
  list.userToggleCheck(0);
  EXPECT_TRUE(entries.Checked(0));
  EXPECT_EQ(entries.StoredText(0), "C:\\Apps\\tool.exe {min}");
  EXPECT_EQ(entries.DisplayText(0).substr(0, 8), "tool.exe");
}

// Whoever changes the list itself (a window removing or sorting rows), each
// entry keeps its own stored text.
TEST_F(CheckListEntriesTest, StoredTextsStayWithTheirItemsWhenTheListIsChangedDirectly) {
  entries.Append("a.exe               C:\\", "C:\\a.exe {harsh}", false);
  entries.Append("b.exe               C:\\", "C:\\b.exe {rem keep me}", true);
  entries.Append("c.exe               C:\\", "C:\\c.exe", false);
  list.remove(0);
  list.insert(1, "added.exe           C:\\Tools\\");
  list.setSorted(true);
  ASSERT_EQ(entries.Count(), 3u);
  EXPECT_EQ(entries.StoredText(0), "C:\\Tools\\added.exe") << "an item without one converts its display text";
  EXPECT_EQ(entries.StoredText(1), "C:\\b.exe {rem keep me}");
  EXPECT_TRUE(entries.Checked(1));
  EXPECT_EQ(entries.StoredText(2), "C:\\c.exe");
}

TEST_F(CheckListEntriesTest, AnIndexOutOfRangeThrows) {
  EXPECT_THROW(entries.StoredText(0), std::out_of_range);
  EXPECT_THROW(entries.SetChecked(3, true), std::out_of_range);
  EXPECT_THROW(entries.Remove(0), std::out_of_range);
}

}  // namespace
}  // namespace qm::test
