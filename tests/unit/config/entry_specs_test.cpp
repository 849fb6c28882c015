#include "config/entry_specs.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(ParseProgramEntry, ReadsEveryKeyword) {
  const ProgramSpec spec = ParseProgramEntry("C:\\Tools\\Mail\\mailer.exe {arg -check} {min}");
  EXPECT_EQ(spec.Path, "C:\\Tools\\Mail\\mailer.exe");
  EXPECT_EQ(spec.ShowCommand, kShowMinimized);
  EXPECT_EQ(spec.Arguments, "-check");
  EXPECT_EQ(spec.Directory, "");
  EXPECT_EQ(spec.SkipIfRunning, "");
  EXPECT_EQ(spec.Remark, "");

  const ProgramSpec all = ParseProgramEntry(" a b.exe  {dir C:\\A B} {nop *\\b.exe} {rem r s} {max} {zzz q}");
  EXPECT_EQ(all.Path, "a b.exe");
  EXPECT_EQ(all.ShowCommand, kShowMaximized);
  EXPECT_EQ(all.Directory, "C:\\A B");
  EXPECT_EQ(all.SkipIfRunning, "*\\b.exe");
  EXPECT_EQ(all.Remark, "r s");
}

TEST(ParseProgramEntry, TheOccurrenceNearestTheStartWins) {
  EXPECT_EQ(ParseProgramEntry("x {dir C:\\A} {dir C:\\B}").Directory, "C:\\A");
  EXPECT_EQ(ParseProgramEntry("x {arg 1} {rem a} {arg 2} {rem b}").Arguments, "1");
  EXPECT_EQ(ParseProgramEntry("x {max} {min}").ShowCommand, kShowMaximized);
  EXPECT_EQ(ParseProgramEntry("x {min} {max}").ShowCommand, kShowMinimized);
}

TEST(ParseProgramEntry, KeywordsAreCaseSensitiveAndTagsMustEndTheLine) {
  EXPECT_EQ(ParseProgramEntry("x {MIN}").ShowCommand, kShowNormal);
  const ProgramSpec trailing = ParseProgramEntry("x {min}y");
  EXPECT_EQ(trailing.ShowCommand, kShowNormal);
  EXPECT_EQ(trailing.Path, "x {min}y");
  EXPECT_EQ(ParseProgramEntry("x {arg}").Arguments, "");
}

TEST(ParseProcessEntry, FlagsAreIndependent) {
  const ProcessSpec spec = ParseProcessEntry("C:\\GAMES\\*.EXE {harsh} {rem games} {polite} {learn} {rem other}");
  EXPECT_EQ(spec.Pattern, "C:\\GAMES\\*.EXE");
  EXPECT_TRUE(spec.Harsh);
  EXPECT_TRUE(spec.Polite);
  EXPECT_TRUE(spec.Learn);
  EXPECT_EQ(spec.Remark, "games");

  const ProcessSpec plain = ParseProcessEntry("*\\Mailer.exe {Harsh}");
  EXPECT_EQ(plain.Pattern, "*\\Mailer.exe");
  EXPECT_FALSE(plain.Harsh || plain.Polite || plain.Learn);
}

TEST(ComposeProgramEntry, AppendsNonEmptyFieldsInOrder) {
  ProgramEntryFields fields;
  fields.Program = " C:\\a{1}.exe ";
  fields.Arguments = "-x {y}";
  fields.SkipIfRunning = "*\\a.exe";
  fields.Remark = "note";
  fields.Start = StartMode::Maximized;
  const std::string stored = ComposeProgramEntry(fields);
  EXPECT_EQ(stored, " C:\\a?1?.exe  {arg -x ?y?} {nop *\\a.exe} {rem note} {max}");
  const ProgramSpec spec = ParseProgramEntry(stored);
  EXPECT_EQ(spec.Arguments, "-x ?y?");
  EXPECT_EQ(spec.ShowCommand, kShowMaximized);
  EXPECT_EQ(ComposeProgramEntry(ProgramEntryFields{}), "");
}

TEST(ComposeProcessEntry, TrimsThePatternAndAddsModeThenRemark) {
  EXPECT_EQ(ComposeProcessEntry({"  *\\b{}.exe ", TerminationMode::Learn, "r"}), "*\\b??.exe {learn} {rem r}");
  EXPECT_EQ(ComposeProcessEntry({"x", TerminationMode::Harsh, ""}), "x {harsh}");
  EXPECT_EQ(ComposeProcessEntry({"x", TerminationMode::Polite, ""}), "x {polite}");
  EXPECT_EQ(ComposeProcessEntry({"x", TerminationMode::Normal, ""}), "x");
}

}  // namespace
}  // namespace qm
