// The matcher against the plain reference on every small pattern and text of
// a few characters, so that its shortcuts (anchored ends, leftmost segments)
// cannot drift from the rule. The fuzz target holds it to the same reference
// on long and odd inputs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/pattern_matcher.h"
#include "matching/pattern_reference.h"

namespace qm {
namespace {

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
      if (matcher.Matches(text) != reference::Matches(pattern, text) && ++disagreements <= 10) {
        ADD_FAILURE() << "pattern '" << pattern << "' text '" << text << "'";
      }
    }
  }
  EXPECT_EQ(disagreements, 0);
}

}  // namespace
}  // namespace qm
