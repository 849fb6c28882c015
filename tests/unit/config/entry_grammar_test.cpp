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
  bool operator==(const Peeled&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Peeled& p) {
  return out << p.found << " rest[" << p.rest << "] keyword[" << p.keyword << "] value[" << p.value << "]";
}
Peeled Peel(std::string text) {
  Peeled p{};
  p.found = PeelTag(text, p.keyword, p.value);
  p.rest = text;
  return p;
}

TEST(PeelTag, TakesTheLastTag) {
  EXPECT_EQ(Peel("a.exe {arg -a -b c} {min}"), (Peeled{true, "a.exe {arg -a -b c}", "min", ""}));
  EXPECT_EQ(Peel("a.exe {arg -a -b c}"), (Peeled{true, "a.exe", "arg", "-a -b c"}));
  EXPECT_EQ(Peel("x {arg }"), (Peeled{true, "x", "arg", ""}));
  EXPECT_EQ(Peel("x { v}"), (Peeled{true, "x", "", "v"}));
  EXPECT_EQ(Peel("{}"), (Peeled{true, "", "", ""}));
  // The nearest "{" opens the tag; the value never holds one.
  EXPECT_EQ(Peel("x {a {b c}"), (Peeled{true, "x {a", "b", "c"}));
  // The character before "{" goes with the tag even when it is no blank.
  EXPECT_EQ(Peel("ab{c}").rest, "a");
  EXPECT_EQ(Peel("a{c}").rest, "");
  EXPECT_EQ(RenderTag("arg", ""), " {arg}");
  EXPECT_EQ(RenderTag("arg", "-a b"), " {arg -a b}");
}

TEST(PeelTag, FindsNoTagUnlessTheTextEndsInOne) {
  for (const char* text : {"", "}", "no tag here}", "x {min}x", "x {min} "}) {
    EXPECT_EQ(Peel(text), (Peeled{false, text, "", ""}));
  }
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

TEST(ReplaceBraces, ReplacesEveryBrace) { EXPECT_EQ(ReplaceBraces("a{b}c}{"), "a?b?c??"); }

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
  EXPECT_EQ(Trim(std::string_view("\0 \t\r\x1fx y\n\xA0", 10)), "x y\n\xA0");
}

}  // namespace
}  // namespace qm
