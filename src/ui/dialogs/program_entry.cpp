#include "ui/dialogs/program_entry.h"

#include "engine/process_row.h"
#include "ui/dialogs/typed_text.h"

namespace qm {

TProgramEntry::TProgramEntry(TFormProc& picker) : Form("ProgramEntry"), picker_(picker) {
  for (ui::RadioButton* radio : {&RadioButton3, &RadioButton1, &RadioButton2}) radio->setParent(GroupBox1);
  ui::FixedWindow{
      .caption = "Program Entry",
      .size = {552, 284},
      .clientSize = true,
      .stayOnTop = false,
      .position = ui::FormPosition::MainFormCenter,
      .parts =
          {
              {&Label1, {8, 8, 120, 13}},
              {&Edit1, {8, 24, 507, 21}},
              {&SpeedButton1, {521, 23, 23, 23}},
              {&Label2, {8, 52, 260, 13}},
              {&Edit2, {8, 68, 264, 21}},
              {&Label4, {280, 52, 260, 13}},
              {&Edit3, {280, 68, 264, 21}},
              {&Label5, {8, 96, 300, 13}},
              {&Edit4, {8, 112, 507, 21}},
              {&SpeedButton2, {521, 111, 23, 23}},
              {&Label6, {8, 140, 120, 13}},
              {&Edit5, {8, 156, 536, 21}},
              {&GroupBox1, {8, 184, 536, 44}},
              {&RadioButton3, {16, 18, 150, 17}},
              {&RadioButton1, {192, 18, 150, 17}},
              {&RadioButton2, {368, 18, 150, 17}},
              {&Label3, {8, 240, 260, 13}},
              {&StaticText2, {8, 256, 260, 13}},
              {&BitBtn1, {306, 246, 75, 25}},
              {&BitBtn2, {387, 246, 75, 25}},
              {&BitBtn3, {468, 246, 75, 25}},
          },
  }.applyTo(*this);
  ui::Font bold = ui::Font::standard();
  bold.bold = true;
  Label1.setFont(bold);
  for (ui::Edit* edit : {&Edit1, &Edit2, &Edit3, &Edit4, &Edit5}) edit->setMaxLength(kEntryFieldMaxLength);
  RadioButton3.setChecked(true);

  OpenDialog1.title = "Select Executable Program to Add to Run List";
  OpenDialog1.filter = "Program to Run (*.exe;*.com)|*.*";
  SpeedButton1.onClick = [this] { SelectStartProgram(); };
  SpeedButton2.onClick = [this] { PickProcess(); };
  BitBtn3.onClick = [this] { Help(); };
}

ProgramEntryFields TProgramEntry::Fields() const {
  StartMode start = StartMode::Normal;
  if (RadioButton1.checked()) {
    start = StartMode::Minimized;
  } else if (RadioButton2.checked()) {
    start = StartMode::Maximized;
  }
  return ProgramEntryFields{OnOneLine(Edit1.text()), OnOneLine(Edit2.text()), OnOneLine(Edit3.text()),
                            OnOneLine(Edit4.text()), OnOneLine(Edit5.text()), start};
}

void TProgramEntry::SetFields(const ProgramEntryFields& fields) {
  Edit1.setText(fields.Program);
  Edit2.setText(fields.Arguments);
  Edit3.setText(fields.Directory);
  Edit4.setText(fields.SkipIfRunning);
  Edit5.setText(fields.Remark);
  ui::RadioButton& start = fields.Start == StartMode::Minimized   ? RadioButton1
                           : fields.Start == StartMode::Maximized ? RadioButton2
                                                                  : RadioButton3;
  start.setChecked(true);
}

void TProgramEntry::SelectStartProgram() {
  OpenDialog1.fileName = Edit1.text();
  OpenDialog1.initialDir = SplitFileName(Edit1.text()).directory;
  if (OpenDialog1.execute()) Edit1.setText(OpenDialog1.fileName);
}

void TProgramEntry::PickProcess() {
  if (const auto picked = picker_.ShowAndPick()) Edit4.setText(*picked);
}

}  // namespace qm
