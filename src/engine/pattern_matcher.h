#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qm {

// A process pattern, compiled once and matched against many snapshot rows.
// "*" matches any run of characters, "?" exactly one, letters a-z equal A-Z
// (no other folding), and the whole text must match. "[" and "]" are plain
// "?" (there are no character sets), and a "?" right after a "*" adds
// nothing.
class PatternMatcher {
 public:
  // Throws AppError "'<pattern>' is an invalid mask at (<position>)" when more
  // than kMaxElementsAfterStar elements follow a star.
  explicit PatternMatcher(std::string_view pattern);

  // Worst case O(pattern length x text length), whatever the pattern.
  bool Matches(std::string_view text) const;

  // Elements (a character, a "?", or the end of a pattern that ends with a
  // star) that may stand directly after a run of stars.
  static constexpr int kMaxElementsAfterStar = 30;

 private:
  // The pattern split at its stars: prefix * segment * ... * suffix, each
  // part a run of elements ("?" or an upper-cased character). Without a star
  // the whole pattern is the prefix.
  bool hasStar_ = false;
  std::string prefix_;
  std::vector<std::string> segments_;
  std::string suffix_;
};

// Compiles `pattern` and matches `text`; throws like PatternMatcher.
bool PatternMatches(std::string_view pattern, std::string_view text);

}  // namespace qm
