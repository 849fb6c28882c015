// The "Program Entry" dialog: one program entry of the run list, its parts
// in separate fields. It lives for the whole run and keeps its fields from
// one use to the next unless the Options window sets them.
#pragma once

#include <functional>

#include "config/entry_specs.h"
#include "ui/dialogs/process_picker.h"
#include "ui/toolkit/toolkit.h"

namespace qm {

class TProgramEntry : public ui::Form {
 public:
  explicit TProgramEntry(TFormProc& picker);

  // The fields as typed, each on one line.
  ProgramEntryFields Fields() const;
  void SetFields(const ProgramEntryFields& fields);

  // The folder button: a program file chosen in the file dialog goes into Edit1.
  void SelectStartProgram();
  // The button beside Edit4: a row of the picker, as its last refresh left
  // it, goes into Edit4.
  void PickProcess();
  void Help() {
    if (HelpHook) HelpHook();
  }
  std::function<void()> HelpHook;

  ui::Label Label1{*this, "Label1", "Program"};
  ui::Edit Edit1{*this, "Edit1"};
  ui::SpeedButton SpeedButton1{*this, "SpeedButton1", ui::Glyph::Folder};
  ui::Label Label2{*this, "Label2", "Commandline arguments"};
  ui::Edit Edit2{*this, "Edit2"};
  ui::Label Label4{*this, "Label4", "Alternate start directory"};
  ui::Edit Edit3{*this, "Edit3"};
  ui::Label Label5{*this, "Label5", "Don't run if this process is already runnning"};
  ui::Edit Edit4{*this, "Edit4"};
  ui::SpeedButton SpeedButton2{*this, "SpeedButton2", ui::Glyph::Folder};
  ui::Label Label6{*this, "Label6", "Comments"};
  ui::Edit Edit5{*this, "Edit5"};
  ui::GroupBox GroupBox1{*this, "GroupBox1", "Startup Options"};
  ui::RadioButton RadioButton3{*this, "RadioButton3", "Start Normal"};
  ui::RadioButton RadioButton1{*this, "RadioButton1", "Start Minimized"};
  ui::RadioButton RadioButton2{*this, "RadioButton2", "Start Maximized"};
  ui::Label Label3{*this, "Label3", "Click folder button in upper right to browse"};
  ui::Label StaticText2{*this, "StaticText2", "for an executable program."};
  ui::BitBtn BitBtn1{*this, "BitBtn1", ui::BitBtnKind::Ok};
  ui::BitBtn BitBtn2{*this, "BitBtn2", ui::BitBtnKind::Cancel};
  ui::BitBtn BitBtn3{*this, "BitBtn3", ui::BitBtnKind::Help};
  ui::OpenDialog OpenDialog1{*this, "OpenDialog1"};

 private:
  TFormProc& picker_;
};

}  // namespace qm
