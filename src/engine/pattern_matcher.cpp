#include "engine/pattern_matcher.h"

#include <array>

#include "config/app_error.h"

namespace qm {

namespace {

constexpr std::array<char, 256> MakeFoldTable() {
  std::array<char, 256> table{};
  for (int c = 0; c < 256; ++c) {
    table[c] = static_cast<char>((c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c);
  }
  return table;
}
constexpr std::array<char, 256> kFold = MakeFoldTable();

char Fold(char c) { return kFold[static_cast<unsigned char>(c)]; }

[[noreturn]] void RejectMask(std::string_view pattern, std::size_t position) {
  throw AppError("'" + std::string(pattern) + "' is an invalid mask at (" + std::to_string(position) + ")");
}

// Whether the elements match the text at `at`, character for character.
bool PartMatchesAt(std::string_view part, std::string_view text, std::size_t at) {
  for (std::size_t i = 0; i < part.size(); ++i) {
    if (part[i] != '?' && part[i] != Fold(text[at + i])) return false;
  }
  return true;
}

}  // namespace

PatternMatcher::PatternMatcher(std::string_view pattern) {
  bool afterStar = false;
  int elementsAfterStar = 0;
  std::string part;  // the elements since the last star
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    char c = pattern[i];
    if (c == '[' || c == ']') c = '?';
    if (c == '*') {
      if (!afterStar) {
        if (!hasStar_) {
          prefix_ = std::move(part);
        } else if (!part.empty()) {
          segments_.push_back(std::move(part));
        }
        part.clear();
        hasStar_ = true;
      }
      afterStar = true;
      continue;
    }
    // "*?" matches like "*": the "?" is dropped and the star still stands.
    if (c == '?' && afterStar) continue;
    if (afterStar && ++elementsAfterStar > kMaxElementsAfterStar) RejectMask(pattern, i + 1);
    afterStar = false;
    part.push_back(Fold(c));
  }
  if (afterStar && ++elementsAfterStar > kMaxElementsAfterStar) RejectMask(pattern, pattern.size() + 1);
  if (hasStar_) {
    suffix_ = std::move(part);
  } else {
    prefix_ = std::move(part);
  }
}

// The parts before the first star and after the last one are anchored, so
// they are checked in place first; that alone rejects most rows for typical
// patterns such as "*\NOTEPAD.EXE". Between stars each segment may take its
// leftmost place: a later place leaves less room for the segments after it
// and gains nothing. Each segment scans the text once with at most its own
// length of comparisons per position, hence pattern length x text length.
bool PatternMatcher::Matches(std::string_view text) const {
  if (!hasStar_) return text.size() == prefix_.size() && PartMatchesAt(prefix_, text, 0);
  if (text.size() < prefix_.size() + suffix_.size()) return false;
  const std::size_t end = text.size() - suffix_.size();
  if (!PartMatchesAt(suffix_, text, end) || !PartMatchesAt(prefix_, text, 0)) return false;
  std::size_t at = prefix_.size();
  for (const std::string& segment : segments_) {
    for (;;) {
      if (end - at < segment.size()) return false;
      if (PartMatchesAt(segment, text, at)) break;
      ++at;
    }
    at += segment.size();
  }
  return true;
}

bool PatternMatches(std::string_view pattern, std::string_view text) { return PatternMatcher(pattern).Matches(text); }

}  // namespace qm
