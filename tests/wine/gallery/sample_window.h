// A window with one control of every kind the toolkit offers, so the
// gallery shows how each looks on a real screen.
#pragma once

#include "ui/toolkit/toolkit.h"

namespace qm::gallery {

class TControlSample : public ui::Form {
public:
    TControlSample();

    ui::MainMenu MainMenu1{*this, "MainMenu1"};
    ui::MenuItem File1{*this, "File1", "File"};
    ui::MenuItem Open1{*this, "Open1", "&Open Configuration File"};
    ui::MenuItem Help1{*this, "Help1", "Help"};
    ui::GroupBox GroupBox1{*this, "GroupBox1", "Startup Behavior"};
    ui::CheckBox CheckBox1{*this, "CheckBox1", "Start with Windows"};
    ui::CheckBox CheckBox2{*this, "CheckBox2", "Quit after activating"};
    ui::RadioGroup RadioGroup1{*this, "RadioGroup1", "Double Click Action"};
    ui::Label Label1{*this, "Label1", "Programs to run when toggle is changed to On state:"};
    ui::CheckListBox CheckListBox1{*this, "CheckListBox1"};
    ui::ListBox ListBox1{*this, "ListBox1"};
    ui::Edit Edit1{*this, "Edit1"};
    ui::SpeedButton SpeedButton1{*this, "SpeedButton1", ui::Glyph::Folder};
    ui::TrackBar TrackBar1{*this, "TrackBar1"};
    ui::ProgressBar ProgressBar1{*this, "ProgressBar1"};
    ui::Image Image1{*this, "Image1"};
    ui::Bevel Bevel1{*this, "Bevel1", ui::BevelShape::Frame};
    ui::PageControl PageControl1{*this, "PageControl1"};
    ui::TabSheet TabSheet1{PageControl1, "TabSheet1", "About"};
    ui::TabSheet TabSheet2{PageControl1, "TabSheet2", "Release Notes"};
    ui::Memo Memo1{*this, "Memo1"};
    ui::Image Image2{*this, "Image2"};
    ui::Button Button1{*this, "Button1", "REFRESH"};
    ui::BitBtn BitBtn1{*this, "BitBtn1", ui::BitBtnKind::Ok};
    ui::BitBtn BitBtn2{*this, "BitBtn2", ui::BitBtnKind::Cancel};
    ui::BitBtn BitBtn3{*this, "BitBtn3", ui::BitBtnKind::Help};
    ui::StatusBar StatusBar1{*this, "StatusBar1"};
};

}  // namespace qm::gallery
