// What the entry dialogs make of text typed or pasted into their fields.
#pragma once

#include <string>
#include <string_view>

namespace qm {

// An entry is one line of the configuration file: every line break pasted
// into a field (CR LF, CR or LF) becomes one blank.
std::string OnOneLine(std::string_view typed);

// The most characters a field takes. Five full fields and their tags still
// make a line the configuration file reads back whole (2047 characters).
inline constexpr int kEntryFieldMaxLength = 400;

}  // namespace qm
