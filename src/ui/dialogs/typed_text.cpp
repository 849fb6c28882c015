#include "ui/dialogs/typed_text.h"

namespace qm {

std::string OnOneLine(std::string_view typed) {
  std::string line;
  line.reserve(typed.size());
  for (std::size_t i = 0; i < typed.size(); ++i) {
    const char c = typed[i];
    if (c == '\r' && i + 1 < typed.size() && typed[i + 1] == '\n') continue;
    line += (c == '\r' || c == '\n') ? ' ' : c;
  }
  return line;
}

}  // namespace qm
