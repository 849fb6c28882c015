#pragma once

#include <string_view>

namespace qm {

// The main part "screensaver", in any letter case, names the screen saver:
// a program entry switches it on, a process entry switches it off.
inline bool IsScreenSaverEntry(std::string_view mainPart) {
  constexpr std::string_view kName = "screensaver";
  if (mainPart.size() != kName.size()) return false;
  for (std::size_t i = 0; i < mainPart.size(); ++i) {
    char c = mainPart[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != kName[i]) return false;
  }
  return true;
}

}  // namespace qm
