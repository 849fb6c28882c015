#include "engine/pattern_matcher.h"

#include <gtest/gtest.h>

#include <string>

#include "config/app_error.h"

namespace qm {
namespace {

std::string RepeatedStarA(int times) {
  std::string pattern;
  for (int i = 0; i < times; ++i) pattern += "*a";
  return pattern;
}

std::string RejectionOf(const std::string& pattern) {
  try {
    PatternMatcher matcher{pattern};
  } catch (const AppError& e) {
    return e.what();
  }
  return "accepted";
}

TEST(PatternMatcher, TheWholeFullPathMustMatch) {
  const std::string notepad = "C:\\WINDOWS\\NOTEPAD.EXE";
  EXPECT_TRUE(PatternMatches("*\\notepad.exe", notepad));
  EXPECT_TRUE(PatternMatches("c:\\windows\\notepad.exe", notepad));
  EXPECT_FALSE(PatternMatches("notepad.exe", notepad));
  EXPECT_FALSE(PatternMatches("C:\\WINDOWS", notepad));
  EXPECT_FALSE(PatternMatches("C:\\WINDOWS\\NOTEPAD.EXE2", notepad));
  EXPECT_TRUE(PatternMatches("", ""));
  EXPECT_FALSE(PatternMatches("", "a"));
}

TEST(PatternMatcher, FoldsOnlyTheLettersAToZ) {
  EXPECT_TRUE(PatternMatches("*NOTEPAD.EXE", "C:\\WINDOWS\\notepad.exe"));
  EXPECT_TRUE(PatternMatches("*notepad.exe", "C:\\WINDOWS\\NOTEPAD.EXE"));
  EXPECT_FALSE(PatternMatches("\xe9", "\xc9"));  // accented letters compare as they are
  EXPECT_TRUE(PatternMatches("\xe9*", "\xe9t\xe9"));
  // The neighbours of the letter ranges stay themselves.
  EXPECT_FALSE(PatternMatches("@", "`"));
  EXPECT_FALSE(PatternMatches("{", "["));
}

TEST(PatternMatcher, WildcardsAndBracketsWhichAreQuestionMarks) {
  EXPECT_TRUE(PatternMatches("C:\\[x]\\*", "C:\\AxB\\prog.exe"));
  EXPECT_FALSE(PatternMatches("C:\\[x]\\*", "C:\\x\\prog.exe"));
  EXPECT_TRUE(PatternMatches("a[", "A{"));
  EXPECT_TRUE(PatternMatches("a?c", "abc"));
  EXPECT_FALSE(PatternMatches("a?c", "ac"));
  EXPECT_TRUE(PatternMatches("*", ""));
  EXPECT_TRUE(PatternMatches("a***b", "ab"));
  EXPECT_TRUE(PatternMatches("a*b*c", "aXXbYYbZc"));
  EXPECT_FALSE(PatternMatches("a*b*c", "aXXbYYbZ"));
  // A star must be able to give back what it took greedily.
  EXPECT_TRUE(PatternMatches("*ab*abc", "ababcabab abc"));
  EXPECT_TRUE(PatternMatches("*a?c", "abcaXc"));
  // Wildcard characters in the text are plain characters.
  EXPECT_TRUE(PatternMatches("a?b", "a*b"));
  EXPECT_FALSE(PatternMatches("a*b", "a*c"));
}

TEST(PatternMatcher, QuestionMarksRightAfterAStarAddNothing) {
  EXPECT_TRUE(PatternMatches("a*?", "a"));
  EXPECT_TRUE(PatternMatches("*?", ""));
  EXPECT_TRUE(PatternMatches("x*?y", "xy"));
  EXPECT_TRUE(PatternMatches("x*??y", "xy"));
  EXPECT_TRUE(PatternMatches("x*[]y", "xy"));
  EXPECT_TRUE(PatternMatches("x*?*?y", "xy"));
  // After any other element a "?" still needs its character.
  EXPECT_FALSE(PatternMatches("*x?", "ax"));
  EXPECT_FALSE(PatternMatches("?*", ""));
}

TEST(PatternMatcher, AtMostThirtyElementsStandAfterStars) {
  EXPECT_EQ(RejectionOf(RepeatedStarA(30)), "accepted");
  EXPECT_EQ(RejectionOf(RepeatedStarA(29) + "*"), "accepted");
  // Runs of stars, and question marks after them, count once.
  std::string folded;
  for (int i = 0; i < 30; ++i) folded += "**?a";
  EXPECT_EQ(RejectionOf(folded), "accepted");

  const std::string oneMore = RepeatedStarA(30) + "*b";
  EXPECT_EQ(RejectionOf(oneMore), "'" + oneMore + "' is an invalid mask at (62)");
  const std::string endsWithStar = RepeatedStarA(30) + "*";  // the end is the 31st
  EXPECT_EQ(RejectionOf(endsWithStar), "'" + endsWithStar + "' is an invalid mask at (62)");
  EXPECT_THROW(PatternMatches(oneMore, "a"), AppError);
  // Elements after other elements do not count.
  EXPECT_EQ(RejectionOf("*" + std::string(500, 'a')), "accepted");
}

TEST(PatternMatcher, AdversarialPatternsStayPolynomial) {
  // A backtracking matcher takes exponential time here; this one finishes at once.
  const std::string text(20000, 'a');
  const std::string stars = RepeatedStarA(29);
  EXPECT_FALSE(PatternMatches(stars + "*b", text));
  EXPECT_TRUE(PatternMatches(stars + "*", text));
  EXPECT_FALSE(PatternMatches(stars + "*?b", text + "b" + text));
  EXPECT_TRUE(PatternMatches(stars + "*b", text + "b"));
}

}  // namespace
}  // namespace qm
