#include "config/entry_specs.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(ParseProgramEntry, ReadsKnownKeywordsAndIgnoresOthers) {
  EXPECT_EQ(ParseProgramEntry("C:\\Tools\\Mail\\mailer.exe {arg -check} {min}"),
            (ProgramSpec{"C:\\Tools\\Mail\\mailer.exe", kShowMinimized, "-check", "", "", ""}));
  EXPECT_EQ(ParseProgramEntry(" a b.exe  {dir C:\\A B} {nop *\\b.exe} {rem r s} {max} {zzz q} {MIN}"),
            (ProgramSpec{"a b.exe", kShowMaximized, "", "C:\\A B", "*\\b.exe", "r s"}));
  // Text after the last "}" means there are no tags at all.
  EXPECT_EQ(ParseProgramEntry("x {min}y"), (ProgramSpec{"x {min}y", kShowNormal, "", "", "", ""}));
}

TEST(ParseProgramEntry, TheOccurrenceNearestTheStartWins) {
  EXPECT_EQ(ParseProgramEntry("x {dir C:\\A} {dir C:\\B}").Directory, "C:\\A");
  EXPECT_EQ(ParseProgramEntry("x {arg 1} {rem a} {arg 2} {rem b}").Arguments, "1");
  EXPECT_EQ(ParseProgramEntry("x {max} {min}").ShowCommand, kShowMaximized);
  EXPECT_EQ(ParseProgramEntry("x {min} {max}").ShowCommand, kShowMinimized);
}

TEST(ParseProcessEntry, FlagsAreIndependentAndCaseSensitive) {
  EXPECT_EQ(ParseProcessEntry("C:\\GAMES\\*.EXE {harsh} {rem games} {polite} {learn} {rem other}"),
            (ProcessSpec{"C:\\GAMES\\*.EXE", true, true, true, "games"}));
  EXPECT_EQ(ParseProcessEntry(" *\\Mailer.exe {Harsh}"), (ProcessSpec{"*\\Mailer.exe", false, false, false, ""}));
}

TEST(ComposeEntries, ReplaceBracesAndAppendNonEmptyFieldsInOrder) {
  const std::string program = ComposeProgramEntry(
      {" C:\\a{1}.exe ", "-x {y}", "", "*\\a.exe", "note", StartMode::Maximized});
  EXPECT_EQ(program, " C:\\a?1?.exe  {arg -x ?y?} {nop *\\a.exe} {rem note} {max}");
  EXPECT_EQ(ParseProgramEntry(program), (ProgramSpec{"C:\\a?1?.exe", kShowMaximized, "-x ?y?", "", "*\\a.exe", "note"}));
  EXPECT_EQ(ComposeProgramEntry({"a", "", "D", "", "", StartMode::Minimized}), "a {dir D} {min}");

  EXPECT_EQ(ComposeProcessEntry({"  *\\b{}.exe ", TerminationMode::Learn, "r"}), "*\\b??.exe {learn} {rem r}");
  EXPECT_EQ(ComposeProcessEntry({"x", TerminationMode::Harsh, ""}), "x {harsh}");
  EXPECT_EQ(ComposeProcessEntry({"x", TerminationMode::Polite, ""}), "x {polite}");
  EXPECT_EQ(ComposeProcessEntry({"x", TerminationMode::Normal, ""}), "x");
}

TEST(SplitEntries, GiveTheDialogFieldsBack) {
  EXPECT_EQ(SplitProgramEntry(" C:\\a?1?.exe  {arg -x ?y?} {nop *\\a.exe} {rem note} {max}"),
            (ProgramEntryFields{" C:\\a?1?.exe ", "-x ?y?", "", "*\\a.exe", "note", StartMode::Maximized}));
  EXPECT_EQ(SplitProgramEntry(" {dir  D } {min} {max}"), (ProgramEntryFields{"", "", " D ", "", "", StartMode::Minimized}));
  EXPECT_EQ(SplitProcessEntry(" *\\b.exe {polite} {rem r} {harsh} {learn}"),
            (ProcessEntryFields{"*\\b.exe", TerminationMode::Learn, "r"}));
  EXPECT_EQ(SplitProcessEntry("x {harsh} {polite}").Mode, TerminationMode::Harsh);
}

}  // namespace
}  // namespace qm
