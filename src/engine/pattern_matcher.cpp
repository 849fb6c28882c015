#include "engine/pattern_matcher.h"

#include "config/app_error.h"

namespace qm {

namespace {

char FoldAsciiLetter(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

[[noreturn]] void RejectMask(std::string_view pattern, std::size_t position) {
  throw AppError("'" + std::string(pattern) + "' is an invalid mask at (" + std::to_string(position) + ")");
}

}  // namespace

PatternMatcher::PatternMatcher(std::string_view pattern) {
  elements_.reserve(pattern.size());
  bool afterStar = false;
  int elementsAfterStar = 0;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    char c = pattern[i];
    if (c == '[' || c == ']') c = '?';
    if (c == '*') {
      if (!afterStar) elements_.push_back('*');
      afterStar = true;
      continue;
    }
    // "*?" matches like "*": the "?" is dropped and the star still stands.
    if (c == '?' && afterStar) continue;
    if (afterStar && ++elementsAfterStar > kMaxElementsAfterStar) RejectMask(pattern, i + 1);
    afterStar = false;
    elements_.push_back(FoldAsciiLetter(c));
  }
  if (afterStar && ++elementsAfterStar > kMaxElementsAfterStar) RejectMask(pattern, pattern.size() + 1);
}

// With only "*" and "?" there is no need to remember more than the latest
// star: a mismatch widens what that star swallowed by one character and
// retries. Each text position is then revisited at most once per star, so
// the cost stays within pattern length x text length.
bool PatternMatcher::Matches(std::string_view text) const {
  const std::size_t n = elements_.size();
  std::size_t p = 0;
  std::size_t t = 0;
  std::size_t starP = std::string::npos;
  std::size_t starT = 0;
  while (t < text.size()) {
    if (p < n && elements_[p] == '*') {
      starP = p++;
      starT = t;
    } else if (p < n && (elements_[p] == '?' || elements_[p] == FoldAsciiLetter(text[t]))) {
      ++p;
      ++t;
    } else if (starP != std::string::npos) {
      p = starP + 1;
      t = ++starT;
    } else {
      return false;
    }
  }
  while (p < n && elements_[p] == '*') ++p;
  return p == n;
}

bool PatternMatches(std::string_view pattern, std::string_view text) { return PatternMatcher(pattern).Matches(text); }

}  // namespace qm
