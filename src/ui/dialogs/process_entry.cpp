#include "ui/dialogs/process_entry.h"

#include "ui/dialogs/typed_text.h"

namespace qm {

TProcessEntry::TProcessEntry(TFormProc& picker) : Form("ProcessEntry"), picker_(picker) {
  for (ui::RadioButton* radio : {&RadioButton3, &RadioButton1, &RadioButton2, &RadioButton4}) {
    radio->setParent(GroupBox1);
  }
  ui::FixedWindow{
      .caption = "Process Entry",
      .size = {558, 206},
      .clientSize = true,
      .stayOnTop = false,
      .position = ui::FormPosition::MainFormCenter,
      .parts =
          {
              {&Label1, {8, 8, 100, 13}},
              {&Label2, {112, 8, 300, 13}},
              {&Edit1, {8, 24, 513, 21}},
              {&SpeedButton1, {527, 23, 23, 23}},
              {&CheckBox1, {8, 52, 400, 17}},
              {&Label4, {8, 76, 100, 13}},
              {&Edit5, {8, 92, 542, 21}},
              {&GroupBox1, {8, 118, 542, 42}},
              {&RadioButton3, {12, 17, 125, 17}},
              {&RadioButton1, {145, 17, 125, 17}},
              {&RadioButton2, {278, 17, 125, 17}},
              {&RadioButton4, {411, 17, 125, 17}},
              {&Label5, {8, 170, 310, 13}},
              {&Label3, {8, 186, 330, 13}},
              {&BitBtn1, {340, 172, 68, 25}},
              {&BitBtn2, {412, 172, 68, 25}},
              {&BitBtn3, {484, 172, 68, 25}},
          },
  }.applyTo(*this);
  ui::Font bold = ui::Font::standard();
  bold.bold = true;
  Label1.setFont(bold);
  SpeedButton1.setHint("Pick from current running processes");
  Edit1.setMaxLength(kEntryFieldMaxLength);
  Edit5.setMaxLength(kEntryFieldMaxLength);
  RadioButton4.setChecked(true);

  SpeedButton1.onClick = [this] { OpenProcessSelector(); };
  BitBtn3.onClick = [this] { Help(); };
}

ProcessEntryFields TProcessEntry::Fields() const {
  TerminationMode mode = TerminationMode::Normal;
  if (RadioButton2.checked()) {
    mode = TerminationMode::Harsh;
  } else if (RadioButton3.checked()) {
    mode = TerminationMode::Polite;
  } else if (RadioButton4.checked()) {
    mode = TerminationMode::Learn;
  }
  return ProcessEntryFields{OnOneLine(Edit1.text()), mode, OnOneLine(Edit5.text())};
}

void TProcessEntry::SetFields(const ProcessEntryFields& fields) {
  Edit1.setText(fields.Pattern);
  Edit5.setText(fields.Remark);
  ui::RadioButton& mode = fields.Mode == TerminationMode::Harsh    ? RadioButton2
                          : fields.Mode == TerminationMode::Polite ? RadioButton3
                          : fields.Mode == TerminationMode::Learn  ? RadioButton4
                                                                   : RadioButton1;
  mode.setChecked(true);
}

void TProcessEntry::OpenProcessSelector() {
  picker_.RefreshForShow();
  if (const auto picked = picker_.ShowAndPick()) Edit1.setText(*picked);
}

}  // namespace qm
