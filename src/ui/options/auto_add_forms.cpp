#include "ui/options/auto_add_forms.h"

namespace qm {

namespace {

ui::Font Bold() {
  ui::Font font = ui::Font::standard();
  font.bold = true;
  return font;
}

}  // namespace

TAutoAddForm::TAutoAddForm() : Form("AutoAddForm") {
  ui::FixedWindow{
      .caption = "AutoAdd",
      .size = {544, 334},
      .clientSize = true,
      .parts =
          {
              {&Memo1,
               {10, 8, 524, 34},
               {
                   "AutoAdd will examine all programs currently running on your computer, and for each one found "
                   "that ",
                   "is not already on your Terminate or Run list, will add an entry.",
               }},
              {&Memo2,
               {10, 48, 524, 236},
               {
                   "Warning #1",
                   "Not every program can be ended safely, even when it is missing from the short list of system "
                   "programs that are never offered for termination. Virus scanners, firewalls and drivers' helper "
                   "programs are examples: ending them can leave the computer unprotected or unstable.",
                   "",
                   "Warning #2",
                   "Every program running at this moment gets an entry in both lists. Close the applications you "
                   "do not want added before you go on.",
                   "",
                   "Warning #3",
                   "Test the new entries before you rely on them. Each one can be terminated or run on its own: "
                   "right-click it in its list. Save the configuration while you test, so that your work is not "
                   "lost if a program misbehaves.",
                   "",
                   "Each new terminate entry uses the polite mode, which asks a program to close but never forces "
                   "it to end. If a program's processes do not end when you test its entry, change the entry to "
                   "the normal or the harsh mode.",
               }},
              {&BitBtn1, {172, 296, 100, 25}},
              {&BitBtn2, {282, 296, 90, 25}},
          },
  }.applyTo(*this);
  // The warnings are the longest text of the window: framed, with a scroll
  // bar where the font runs wider than planned.
  Memo2.setBordered(true);
  Memo2.setParentColor(false);
  Memo2.setScrollBars(ui::ScrollBars::Vertical);
}

TAfterAddForm::TAfterAddForm() : Form("AfterAddForm") {
  ui::FixedWindow{
      .caption = "AutoAdd Complete",
      .size = {444, 190},
      .clientSize = true,
      .parts =
          {
              {&Label1, {10, 10, 424, 16}, {}, Bold()},
              {&Memo1,
               {10, 36, 424, 110},
               {
                   "The new entries are checked, and each one carries the comment \"autoadded\". The new terminate "
                   "entries use the terminate mode \"polite\".",
                   "",
                   "Test them before you rely on them: right-click an entry to run or terminate it on its own.",
                   "",
                   "If you do not want a program to be run or terminated, uncheck its entry rather than deleting "
                   "it, so that it will not be re-added the next time you run AutoAdd.",
               }},
              {&BitBtn1, {184, 154, 75, 25}},
          },
  }.applyTo(*this);
}

void TAfterAddForm::SetCounts(int processes, int programs) {
  Label1.setCaption(std::to_string(processes) + " processes added to Termination list, " + std::to_string(programs) +
                    " added to Run list.");
}

}  // namespace qm
