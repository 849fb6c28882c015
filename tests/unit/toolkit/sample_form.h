// A form with one control of each kind, for the toolkit's own tests.
#pragma once

#include "ui/toolkit/toolkit.h"

namespace qm::ui::test {

class SampleForm : public Form {
public:
    SampleForm() : Form("Sample")
    {
        setCaption("Sample");
        RadioButton1.setParent(GroupBox1);
        RadioButton2.setParent(GroupBox1);
        RadioButton3.setParent(Panel1);
        RadioGroup1.setItems({"one", "two", "three"});
        TrackBar1.setRange(1, 700);
        TrackBar1.setFrequency(25);
        TrackBar1.setPosition(150);
        Button2.setModalResult(ModalResult::Yes);
        PopupMenu1.add(Item1);
    }

    Button Button1{*this, "Button1", "Press"};
    Button Button2{*this, "Button2", "Yes"};
    BitBtn BitBtn1{*this, "BitBtn1", BitBtnKind::Ok};
    BitBtn BitBtn2{*this, "BitBtn2", BitBtnKind::Cancel};
    CheckBox CheckBox1{*this, "CheckBox1", "Check"};
    GroupBox GroupBox1{*this, "GroupBox1", "Group"};
    Panel Panel1{*this, "Panel1"};
    RadioButton RadioButton1{*this, "RadioButton1", "r1"};
    RadioButton RadioButton2{*this, "RadioButton2", "r2"};
    RadioButton RadioButton3{*this, "RadioButton3", "r3"};
    RadioGroup RadioGroup1{*this, "RadioGroup1", "Choices"};
    Edit Edit1{*this, "Edit1"};
    Memo Memo1{*this, "Memo1"};
    ListBox ListBox1{*this, "ListBox1"};
    CheckListBox CheckListBox1{*this, "CheckListBox1"};
    TrackBar TrackBar1{*this, "TrackBar1"};
    ProgressBar ProgressBar1{*this, "ProgressBar1"};
    PageControl PageControl1{*this, "PageControl1"};
    TabSheet TabSheet1{PageControl1, "TabSheet1", "First"};
    TabSheet TabSheet2{PageControl1, "TabSheet2", "Second"};
    PopupMenu PopupMenu1{*this, "PopupMenu1"};
    MenuItem Item1{*this, "Item1", "&Do it"};
    OpenDialog OpenDialog1{*this, "OpenDialog1"};
    Timer Timer1{*this, "Timer1", 500};
};

class OtherForm : public Form {
public:
    OtherForm() : Form("Other") {}
    BitBtn BitBtn1{*this, "BitBtn1", BitBtnKind::Ok};
};

}  // namespace qm::ui::test
