// Events fire for what the user does, never for what the code sets: the
// windows build their changed-flag logic on that.
#include "toolkit/sample_form.h"

#include <gtest/gtest.h>

namespace qm::ui::test {
namespace {

struct Counts {
    int n = 0;
    std::function<void()> fn() { return [this] { ++n; }; }
};

TEST(ToolkitEvents, ProgrammaticSetsFireNothing)
{
    SampleForm f;
    Counts check, radio, group, edit, memo, list, track, clickCheck, page;
    f.CheckBox1.onClick = check.fn();
    f.RadioButton1.onClick = radio.fn();
    f.RadioGroup1.onClick = group.fn();
    f.Edit1.onChange = edit.fn();
    f.Memo1.onChange = memo.fn();
    f.ListBox1.onClick = list.fn();
    f.TrackBar1.onChange = track.fn();
    f.CheckListBox1.onClickCheck = [&](int) { ++clickCheck.n; };
    f.PageControl1.onChange = page.fn();

    f.CheckBox1.setChecked(true);
    f.RadioButton1.setChecked(true);
    f.RadioGroup1.setItemIndex(2);
    f.Edit1.setText("typed by code");
    f.Memo1.setText("a\r\nb");
    f.ListBox1.add("x");
    f.ListBox1.setItemIndex(0);
    f.TrackBar1.setPosition(300);
    f.CheckListBox1.add("entry", true);
    f.CheckListBox1.setChecked(0, false);
    f.PageControl1.setActivePageIndex(1);

    for (const Counts* c : {&check, &radio, &group, &edit, &memo, &list, &track, &clickCheck, &page}) {
        EXPECT_EQ(c->n, 0);
    }
    EXPECT_TRUE(f.CheckBox1.checked());
    EXPECT_EQ(f.TrackBar1.position(), 300);
    EXPECT_EQ(f.PageControl1.activePageIndex(), 1);
}

TEST(ToolkitEvents, UserActionsFireOnceAndChangeTheModelFirst)
{
    SampleForm f;
    bool seenChecked = false;
    f.CheckBox1.onClick = [&] { seenChecked = f.CheckBox1.checked(); };
    f.CheckBox1.userToggle();
    EXPECT_TRUE(seenChecked);

    int groupClicks = 0;
    f.RadioGroup1.onClick = [&] { ++groupClicks; };
    f.RadioGroup1.userSelect(1);
    f.RadioGroup1.userSelect(1);  // clicking the chosen item again changes nothing
    f.RadioGroup1.userSelect(7);  // not an item
    EXPECT_EQ(groupClicks, 1);
    EXPECT_EQ(f.RadioGroup1.itemIndex(), 1);

    int trackChanges = 0;
    f.TrackBar1.onChange = [&] { ++trackChanges; };
    f.TrackBar1.userSetPosition(5000);
    EXPECT_EQ(f.TrackBar1.position(), 700);
    f.TrackBar1.userSetPosition(700);
    EXPECT_EQ(trackChanges, 1);

    int edits = 0;
    f.Edit1.setMaxLength(5);
    f.Edit1.onChange = [&] { ++edits; };
    f.Edit1.userSetText("abcdefgh");
    EXPECT_EQ(f.Edit1.text(), "abcde");
    f.Edit1.userSetText("abcdexyz");  // the same text once cut to the limit
    EXPECT_EQ(edits, 1);
    f.Edit1.setText("longer than the limit from code");
    EXPECT_EQ(f.Edit1.text(), "longer than the limit from code");

    int items = 0;
    f.Item1.onClick = [&] { ++items; };
    f.Item1.userClick();
    f.Item1.setEnabled(false);
    f.Item1.userClick();
    EXPECT_EQ(items, 1);
}

TEST(ToolkitEvents, DisabledAndReadOnlyControlsIgnoreTheUser)
{
    SampleForm f;
    int clicks = 0;
    f.Button1.onClick = [&] { ++clicks; };
    f.Button1.setEnabled(false);
    f.Button1.userClick();
    EXPECT_EQ(clicks, 0);

    f.Memo1.setReadOnly(true);
    f.Memo1.setText("fixed");
    f.Memo1.userSetText("changed");
    EXPECT_EQ(f.Memo1.text(), "fixed");

    f.CheckListBox1.add("a");
    f.CheckListBox1.setEnabled(false);
    f.CheckListBox1.userToggleCheck(0);
    EXPECT_FALSE(f.CheckListBox1.checked(0));
}

TEST(ToolkitEvents, RadioButtonsExcludeEachOtherOnlyWithinTheirParent)
{
    SampleForm f;
    f.RadioButton3.setChecked(true);
    f.RadioButton1.setChecked(true);
    int clicks = 0;
    f.RadioButton2.onClick = [&] { ++clicks; };
    f.RadioButton2.userCheck();
    EXPECT_FALSE(f.RadioButton1.checked());
    EXPECT_TRUE(f.RadioButton2.checked());
    EXPECT_TRUE(f.RadioButton3.checked()) << "a radio button in another container is not a sibling";
    f.RadioButton2.userCheck();
    EXPECT_EQ(clicks, 1);
}

TEST(ToolkitEvents, TimerTicksOnlyWhileEnabled)
{
    SampleForm f;
    int ticks = 0;
    f.Timer1.onTimer = [&] { ++ticks; };
    f.Timer1.tick();
    f.Timer1.setEnabled(false);
    f.Timer1.tick();
    EXPECT_EQ(ticks, 1);
}

}  // namespace
}  // namespace qm::ui::test
