// What the small modal message windows share: a dialog frame without
// title-bar buttons, on top of everything, centred on the desktop.
#pragma once

#include "ui/toolkit/toolkit.h"

#include <string>

namespace qm {

void makeMessageWindow(ui::Form& form, const std::string& caption, int width, int height);

// A text area that reads like a label: no frame, no caret, the window's colour.
void makePlainText(ui::Memo& memo, ui::Rect bounds);

}  // namespace qm
