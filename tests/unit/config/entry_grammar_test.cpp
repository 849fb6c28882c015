#include "config/entry_grammar.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

std::string Pad(std::string name) {
  name.resize(std::max<std::size_t>(name.size(), 19), ' ');
  return name;
}
const std::string kGap(202, ' ');

struct Peeled {
  bool found;
  std::string rest, keyword, value;
};
Peeled Peel(std::string text) {
  Peeled p{};
  p.found = PeelTag(text, p.keyword, p.value);
  p.rest = text;
  return p;
}

TEST(PeelTag, TakesTheLastTagWithItsBlank) {
  const Peeled p = Peel("a.exe {arg -a -b c} {min}");
  EXPECT_TRUE(p.found);
  EXPECT_EQ(p.keyword, "min");
  EXPECT_EQ(p.value, "");
  EXPECT_EQ(p.rest, "a.exe {arg -a -b c}");
  const Peeled q = Peel(p.rest);
  EXPECT_EQ(q.keyword, "arg");
  EXPECT_EQ(q.value, "-a -b c");
  EXPECT_EQ(q.rest, "a.exe");
}

TEST(PeelTag, CornerCases) {
  EXPECT_FALSE(Peel("").found);
  EXPECT_FALSE(Peel("}").found);
  EXPECT_FALSE(Peel("no tag here}").found);
  const Peeled trailing = Peel("x {min}x");
  EXPECT_FALSE(trailing.found);
  EXPECT_EQ(trailing.rest, "x {min}x");
  EXPECT_FALSE(Peel("x {min} ").found);

  const Peeled blankValue = Peel("x {arg }");
  EXPECT_EQ(blankValue.keyword, "arg");
  EXPECT_EQ(blankValue.value, "");

  const Peeled emptyKeyword = Peel("x { v}");
  EXPECT_TRUE(emptyKeyword.found);
  EXPECT_EQ(emptyKeyword.keyword, "");
  EXPECT_EQ(emptyKeyword.value, "v");

  // The character before "{" goes with the tag even when it is no blank.
  EXPECT_EQ(Peel("ab{c}").rest, "a");
  EXPECT_EQ(Peel("{c}").rest, "");
  EXPECT_EQ(Peel("a{c}").rest, "");
  EXPECT_EQ(Peel("{}").keyword, "");
  // The nearest "{" opens the tag; the value never holds one.
  const Peeled nested = Peel("x {a {b c}");
  EXPECT_EQ(nested.keyword, "b");
  EXPECT_EQ(nested.value, "c");
  EXPECT_EQ(nested.rest, "x {a");
}

TEST(RenderTag, DropsTheBlankOfAnEmptyValue) {
  EXPECT_EQ(RenderTag("min", ""), " {min}");
  EXPECT_EQ(RenderTag("arg", "-a b"), " {arg -a b}");
  EXPECT_EQ(StoredToDisplay("x {arg }"), StoredToDisplay("x {arg}"));
}

TEST(StoredToDisplay, LaysOutNameDirectoryAndReversedTags) {
  const std::string mailer = Pad("mailer.exe") + " C:\\Tools\\Mail\\" + kGap + " {min} {arg -check}";
  EXPECT_EQ(StoredToDisplay("C:\\Tools\\Mail\\mailer.exe {arg -check} {min}"), mailer);
  EXPECT_EQ(StoredToDisplay("*\\MAILER.EXE {learn}"), Pad("MAILER.EXE") + " *\\" + kGap + " {learn}");
  EXPECT_EQ(StoredToDisplay("C:\\clock.exe"), Pad("clock.exe") + " C:\\");
  EXPECT_EQ(StoredToDisplay("screensaver"), Pad("screensaver") + " ");
  EXPECT_EQ(StoredToDisplay("D:game.exe"), Pad("game.exe") + " D:");
  EXPECT_EQ(StoredToDisplay("  \tC:\\a.exe \t"), Pad("a.exe") + " C:\\");
  EXPECT_EQ(StoredToDisplay(""), Pad("") + " ");
  const std::string longName = "an extremely long name.exe";
  EXPECT_EQ(StoredToDisplay("C:\\" + longName), longName + " C:\\");
}

TEST(DisplayToStored, RoundTripsStoredTexts) {
  for (const char* stored : {
           "C:\\Tools\\Mail\\mailer.exe {arg -check} {min}",
           "*\\MAILER.EXE {learn}",
           "C:\\GAMES\\*.EXE {harsh} {rem games}",
           "C:\\Program Files\\App\\app.exe {dir C:\\Program Files\\App} {nop *\\app.exe} {rem x y}",
           "C:\\Very Long Folder\\an extremely long name.exe",
           "http://example.invalid/page.html",
           "screensaver",
           "notepad.exe {max}",
           "x {}",
       }) {
    EXPECT_EQ(DisplayToStored(StoredToDisplay(stored)), stored);
  }
}

TEST(DisplayToStored, TurnsSnapshotNameTextsIntoPaths) {
  EXPECT_EQ(DisplayToStored(Pad("NOTEPAD.EXE") + " C:\\WINDOWS\\"), "C:\\WINDOWS\\NOTEPAD.EXE");
  EXPECT_EQ(DisplayToStored("NOTEPAD.EXE"), "NOTEPAD.EXE");
  EXPECT_EQ(DisplayToStored("   Untitled - Notepad   "), "Untitled - Notepad");
}

TEST(DisplayToStored, CannotAlwaysTellTheNameFromTheDirectory) {
  // Why list items keep their stored text: these are the losses they avoid.
  const std::string stored = "C:\\Tools\\a-very-long-program-name v2.exe";
  EXPECT_EQ(DisplayToStored(StoredToDisplay(stored)), "v2.exe C:\\Tools\\a-very-long-program-name");
  EXPECT_EQ(DisplayToStored(StoredToDisplay("\\tools.exe")), "tools.exe           \\");
  EXPECT_EQ(DisplayToStored("Spreadsheet-Editor-Pro 2"), "Spreadsheet-Editor-Pro 2");
}

TEST(ReplaceBraces, ReplacesEveryBrace) {
  EXPECT_EQ(ReplaceBraces("a{b}c"), "a?b?c");
  EXPECT_EQ(ReplaceBraces("}}{{"), "????");
  EXPECT_EQ(ReplaceBraces(""), "");
}

TEST(Abbreviate, KeepsHeadAndTail) {
  std::string text;
  for (int i = 0; i < 100; ++i) text += static_cast<char>('A' + i % 26);
  const std::string shortened = Abbreviate(text, 76);
  EXPECT_EQ(shortened.size(), 75u);
  EXPECT_EQ(shortened, text.substr(0, 5) + "..." + text.substr(33));
  EXPECT_EQ(Abbreviate(text.substr(0, 76), 76), text.substr(0, 76));
  EXPECT_EQ(Abbreviate(text, 77).size(), 76u);
  // Widths too small for the formula still give head and ellipsis.
  EXPECT_EQ(Abbreviate(text, 3), "ABCDE...");
  EXPECT_EQ(Abbreviate(text, -5), "ABCDE...");
}

TEST(Trim, RemovesBlanksAndControlCharactersOnly) {
  EXPECT_EQ(Trim(" \t\r\n\x01x y\x1f "), "x y");
  EXPECT_EQ(Trim("\xA0x\xA0"), "\xA0x\xA0");
  EXPECT_EQ(Trim(std::string_view("\0a\0", 3)), "a");
}

}  // namespace
}  // namespace qm
