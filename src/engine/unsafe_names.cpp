#include "engine/unsafe_names.h"

#include <algorithm>
#include <string>

#include "engine/process_row.h"

namespace qm {

bool IsUnsafeToTerminate(std::string_view text) {
  for (std::string_view name : UnsafeProcessNames) {
    if (text.find(name) != std::string_view::npos) return true;
  }
  return false;
}

bool IsOwnExecutableRow(std::string_view row, std::string_view ownExePath) {
  if (ownExePath.empty() || IsRawWindowRow(row) || IsDisplayWindowRow(row)) return false;
  const std::string own = FormatProcessRow(0, ownExePath);
  const std::string_view ownName = RowNameText(own);
  const std::string_view name = RowNameText(row);
  auto fold = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
  return std::equal(name.begin(), name.end(), ownName.begin(), ownName.end(),
                    [&](char a, char b) { return fold(a) == fold(b); });
}

}  // namespace qm
