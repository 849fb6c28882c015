#include "ui/options/save_questions.h"

namespace qm {

TFormSaveChanges::TFormSaveChanges() : Form("FormSaveChanges") {
  ui::FixedWindow{
      .caption = "Quellmarch - Save Changes?",
      .size = {300, 90},
      .clientSize = true,
      .stayOnTop = false,
      .parts = {{&Label1, {16, 16, 268, 13}},
                {&BitBtn1, {30, 52, 75, 25}},
                {&BitBtn2, {113, 52, 75, 25}},
                {&BitBtn3, {196, 52, 75, 25}}},
  }.applyTo(*this);
}

TOverWrite::TOverWrite() : Form("OverWrite") {
  ui::FixedWindow{
      .caption = "Overwrite file?",
      .size = {230, 90},
      .clientSize = true,
      .parts = {{&Label1, {16, 16, 198, 13}}, {&BitBtn1, {32, 52, 75, 25}}, {&BitBtn2, {123, 52, 75, 25}}},
  }.applyTo(*this);
}

}  // namespace qm
