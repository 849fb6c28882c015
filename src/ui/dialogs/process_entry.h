// The "Process Entry" dialog: one process entry of the terminate list, its
// parts in separate fields. It lives for the whole run and keeps its fields
// from one use to the next unless the Options window sets them.
#pragma once

#include <functional>

#include "config/entry_specs.h"
#include "ui/dialogs/process_picker.h"
#include "ui/toolkit/toolkit.h"

namespace qm {

class TProcessEntry : public ui::Form {
 public:
  explicit TProcessEntry(TFormProc& picker);

  // The fields as typed, each on one line; CheckBox1 is no part of the entry.
  ProcessEntryFields Fields() const;
  void SetFields(const ProcessEntryFields& fields);
  // Whether a companion run entry is asked for.
  bool CompanionWanted() const { return CheckBox1.checked(); }

  // The folder button: the picker, refreshed now, hands a row into Edit1.
  void OpenProcessSelector();
  void Help() {
    if (HelpHook) HelpHook();
  }
  std::function<void()> HelpHook;

  ui::Label Label1{*this, "Label1", "Process String"};
  ui::Label Label2{*this, "Label2", "Use * as wildcard to match any text."};
  ui::Edit Edit1{*this, "Edit1"};
  ui::SpeedButton SpeedButton1{*this, "SpeedButton1", ui::Glyph::Folder};
  ui::CheckBox CheckBox1{*this, "CheckBox1", "Automatically add an entry for this process to the Run Program box"};
  ui::Label Label4{*this, "Label4", "Comments"};
  ui::Edit Edit5{*this, "Edit5"};
  ui::GroupBox GroupBox1{*this, "GroupBox1", "Termination  Options"};
  ui::RadioButton RadioButton3{*this, "RadioButton3", "Polite Termination"};
  ui::RadioButton RadioButton1{*this, "RadioButton1", "Normal Termination"};
  ui::RadioButton RadioButton2{*this, "RadioButton2", "Harsh Termination"};
  ui::RadioButton RadioButton4{*this, "RadioButton4", "Learning Mode"};
  ui::Label Label5{*this, "Label5", "Process strings can be window names or program names."};
  ui::Label Label3{*this, "Label3", "Click folder button in upper right to pick from running processes."};
  ui::BitBtn BitBtn1{*this, "BitBtn1", ui::BitBtnKind::Ok};
  ui::BitBtn BitBtn2{*this, "BitBtn2", ui::BitBtnKind::Cancel};
  ui::BitBtn BitBtn3{*this, "BitBtn3", ui::BitBtnKind::Help};

 private:
  TFormProc& picker_;
};

}  // namespace qm
