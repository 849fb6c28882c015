#include "ui/options/save_questions.h"

namespace qm {

namespace {

void makeQuestionWindow(ui::Form& form, const char* caption, int clientWidth, int clientHeight) {
  form.setCaption(caption);
  form.setBorderStyle(ui::BorderStyle::Dialog);
  form.setBorderIcons(ui::BorderIcons::none());
  form.setPosition(ui::FormPosition::ScreenCenter);
  form.setClientSize(clientWidth, clientHeight);
}

}  // namespace

TFormSaveChanges::TFormSaveChanges() : Form("FormSaveChanges") {
  makeQuestionWindow(*this, "Quellmarch - Save Changes?", 300, 90);
  Label1.setBounds(16, 16, 268, 13);
  BitBtn1.setBounds(30, 52, 75, 25);
  BitBtn2.setBounds(113, 52, 75, 25);
  BitBtn3.setBounds(196, 52, 75, 25);
}

TOverWrite::TOverWrite() : Form("OverWrite") {
  makeQuestionWindow(*this, "Overwrite file?", 230, 90);
  setStayOnTop(true);
  Label1.setBounds(16, 16, 198, 13);
  BitBtn1.setBounds(32, 52, 75, 25);
  BitBtn2.setBounds(123, 52, 75, 25);
}

}  // namespace qm
