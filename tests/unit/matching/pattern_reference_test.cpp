// The matcher against a plain dynamic-programming reference on every small
// pattern and text of a few characters, so that its shortcuts (anchored ends,
// leftmost segments) cannot drift from the rule.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/pattern_matcher.h"

namespace qm {
namespace {

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// The rule as stated, one table cell per (pattern prefix, text prefix).
bool ReferenceMatches(const std::string& rawPattern, const std::string& text) {
  std::string pattern;
  for (char c : rawPattern) pattern += (c == '[' || c == ']') ? '?' : c;
  const std::size_t m = pattern.size();
  const std::size_t n = text.size();
  // can[i][j]: the first i pattern characters match the first j text characters.
  std::vector<std::vector<bool>> can(m + 1, std::vector<bool>(n + 1, false));
  can[0][0] = true;
  bool afterStar = false;
  for (std::size_t i = 1; i <= m; ++i) {
    const char p = pattern[i - 1];
    for (std::size_t j = 0; j <= n; ++j) {
      if (p == '*' || (p == '?' && afterStar)) {
        can[i][j] = can[i - 1][j] || (j > 0 && can[i][j - 1]);
      } else if (j > 0) {
        can[i][j] = can[i - 1][j - 1] && (p == '?' || Upper(p) == Upper(text[j - 1]));
      }
    }
    if (p != '*' && !(p == '?' && afterStar)) afterStar = false;
    if (p == '*') afterStar = true;
  }
  return can[m][n];
}

void AllStrings(const std::string& alphabet, std::size_t maxLength, std::vector<std::string>& out) {
  std::vector<std::string> level = {""};
  out.push_back("");
  for (std::size_t length = 1; length <= maxLength; ++length) {
    std::vector<std::string> next;
    for (const std::string& s : level) {
      for (char c : alphabet) next.push_back(s + c);
    }
    out.insert(out.end(), next.begin(), next.end());
    level = std::move(next);
  }
}

TEST(PatternReference, AgreesOnEverySmallPatternAndText) {
  std::vector<std::string> patterns;
  std::vector<std::string> texts;
  AllStrings("aB*?[", 5, patterns);
  AllStrings("abA", 5, texts);
  int disagreements = 0;
  for (const std::string& pattern : patterns) {
    const PatternMatcher matcher(pattern);
    for (const std::string& text : texts) {
      if (matcher.Matches(text) != ReferenceMatches(pattern, text) && ++disagreements <= 10) {
        ADD_FAILURE() << "pattern '" << pattern << "' text '" << text << "'";
      }
    }
  }
  EXPECT_EQ(disagreements, 0);
}

}  // namespace
}  // namespace qm
