#pragma once

#include <string>
#include <string_view>

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
  // The pattern reduced to what matching needs: brackets turned into "?",
  // star runs folded into one "*", every "?" after a star dropped, letters
  // in upper case.
  std::string elements_;
};

// Compiles `pattern` and matches `text`; throws like PatternMatcher.
bool PatternMatches(std::string_view pattern, std::string_view text);

}  // namespace qm
