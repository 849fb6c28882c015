#pragma once

// The matching rule of process patterns written as plainly as it can be, to
// hold the real matcher to: a table cell per (pattern prefix, text prefix).
// Shared by the unit tests and the fuzz target; no speed, no shortcuts.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm::reference {

inline char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

inline std::string BracketsAsQuestionMarks(std::string_view pattern) {
  std::string result;
  for (char c : pattern) result += (c == '[' || c == ']') ? '?' : c;
  return result;
}

inline bool Matches(std::string_view rawPattern, std::string_view text) {
  const std::string pattern = BracketsAsQuestionMarks(rawPattern);
  const std::size_t n = text.size();
  // row[j]: the pattern characters taken so far match the first j text characters.
  std::vector<char> row(n + 1, false);
  row[0] = true;
  bool afterStar = false;
  for (const char p : pattern) {
    std::vector<char> next(n + 1, false);
    for (std::size_t j = 0; j <= n; ++j) {
      if (p == '*' || (p == '?' && afterStar)) {
        next[j] = row[j] || (j > 0 && next[j - 1]);
      } else if (j > 0) {
        next[j] = row[j - 1] && (p == '?' || Upper(p) == Upper(text[j - 1]));
      }
    }
    row = std::move(next);
    if (p == '*') afterStar = true;
    else if (p != '?') afterStar = false;
  }
  return row[n];
}

// Where a pattern is rejected (1-based, as the error message counts), or
// nothing: the 31st element that stands right after a run of stars (a "?"
// there belongs to the run), the end counting as one when the pattern ends in
// a run.
inline std::optional<std::size_t> RejectedAt(std::string_view rawPattern, int maxElementsAfterStar) {
  const std::string pattern = BracketsAsQuestionMarks(rawPattern);
  int elements = 0;
  bool inRun = false;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '*') {
      inRun = true;
      continue;
    }
    if (pattern[i] == '?' && inRun) continue;
    if (inRun && ++elements > maxElementsAfterStar) return i + 1;
    inRun = false;
  }
  if (inRun && ++elements > maxElementsAfterStar) return pattern.size() + 1;
  return std::nullopt;
}

}  // namespace qm::reference
