// A form as text: one line for the window, one for each control, menu item,
// timer and file dialog, in creation order, with a further line for each
// line of a memo and each item of a list. Goldens of every window are such
// dumps, so a changed caption, rectangle or flag shows in their diff.
#pragma once

#include <string>

namespace qm::ui {

class Form;

std::string dumpForm(const Form& form);

// A text in double quotes in which every blank and character reads back
// exactly: quote and backslash escaped, bytes outside printable ASCII as \xNN.
std::string quoted(const std::string& text);

}  // namespace qm::ui
