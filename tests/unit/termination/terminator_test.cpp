#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "config/app_error.h"
#include "termination/engine_fixture.h"

namespace qm::testing {
namespace {

using sim::CloseAnswer;
using Lines = std::vector<std::string>;

constexpr const char* kApp = "C:\\APP\\X.EXE";
constexpr ProcessId kPid = 12;
const std::string kNotTerminated = "error Error: could not terminate 'C:\\APP\\X.EXE' (pid #12).";

class TerminatorTest : public EngineTest {
 protected:
  int Terminate(const std::string& pattern, bool harsh = false, bool polite = false, bool learn = false) {
    return engine.terminator.TerminateMatching(pattern, harsh, polite, learn);
  }
  std::string Entry(std::string stored) {
    engine.terminator.TerminateEntry(stored);
    return stored;
  }
};

// How one process answers, what the flags ask, and what must come of it.
struct ModeCase {
  const char* name;
  bool harsh, polite, learn;
  CloseAnswer answer;
  std::uint32_t closeDelayMs;
  bool opens, forcible;
  int result;
  std::uint64_t elapsedMs;
  int statusLines, errors;
  bool stillRunning, endedByForce;
};

const ModeCase kModeCases[] = {
    // name                     harsh  polite learn  answer                     delay opens forcible
    {"normal_closes", false, false, false, CloseAnswer::ExitAtOnce, 0, true, true,
     kEndedByItself, 2 * kDelay, 1, 0, false, false},
    {"normal_closes_late", false, false, false, CloseAnswer::ExitAfterDelay, 3000, true, true,
     kEndedByItself, 3000 + 2 * kDelay, 1, 0, false, false},
    {"normal_ignores", false, false, false, CloseAnswer::Ignore, 0, true, true,
     kEndedByForce, 15000 + 2 * kDelay, 1, 0, false, true},
    {"harsh_ignores", true, false, false, CloseAnswer::Ignore, 0, true, true,
     kEndedByForce, 500 + 2 * kDelay, 1, 0, false, true},
    {"harsh_closes_too_late", true, false, false, CloseAnswer::ExitAfterDelay, 600, true, true,
     kEndedByForce, 500 + 2 * kDelay, 1, 0, false, true},
    {"polite_ignores", false, true, false, CloseAnswer::Ignore, 0, true, true,
     kStillRunning, 4 * 100 + 2 * kDelay, 4, 0, true, false},
    {"harsh_and_polite_is_harsh", true, true, false, CloseAnswer::Ignore, 0, true, true,
     kEndedByForce, 500 + 2 * kDelay, 1, 0, false, true},
    {"learn_with_polite_learns", false, true, true, CloseAnswer::Ignore, 0, true, true,
     kEndedByForce, 20000 + 5 * kDelay, 1, 0, false, true},
    {"learn_with_harsh_learns", true, false, true, CloseAnswer::Ignore, 0, true, true,
     kEndedByForce, 20000 + 5 * kDelay, 1, 0, false, true},
    {"learn_closes_no_pause", false, false, true, CloseAnswer::ExitAtOnce, 0, true, true,
     kEndedByItself, 0, 1, 0, false, false},
    // Passes 1 to 3 take a process that cannot be opened as gone; pass 4 reports it.
    {"normal_cannot_open", false, false, false, CloseAnswer::Ignore, 0, false, true,
     kStillRunning, 2 * kDelay, 4, 1, true, false},
    {"polite_cannot_open", false, true, false, CloseAnswer::Ignore, 0, false, true,
     kStillRunning, 2 * kDelay, 4, 0, true, false},
    {"learn_cannot_open", false, false, true, CloseAnswer::Ignore, 0, false, true,
     kStillRunning, 5 * kDelay, 4, 1, true, false},
    // Every pass tries again and reports again.
    {"normal_cannot_force", false, false, false, CloseAnswer::Ignore, 0, true, false,
     kStillRunning, 4 * 15000 + 2 * kDelay, 4, 4, true, false},
    {"harsh_cannot_force", true, false, false, CloseAnswer::Ignore, 0, true, false,
     kStillRunning, 4 * 500 + 2 * kDelay, 4, 4, true, false},
};

void PrintTo(const ModeCase& c, std::ostream* os) { *os << c.name; }

class TerminatorModes : public TerminatorTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(TerminatorModes, ResultTimeAndMessages) {
  const ModeCase& c = GetParam();
  sim::SimProcess& process = Run(kPid, kApp, c.answer);
  process.closeDelayMs = c.closeDelayMs;
  process.terminable = c.opens;
  process.forcedEndSucceeds = c.forcible;
  Run(13, "C:\\APP\\OTHER.EXE", CloseAnswer::ExitAtOnce);

  EXPECT_EQ(Terminate("*\\x.exe", c.harsh, c.polite, c.learn), c.result);
  EXPECT_EQ(Now(), c.elapsedMs);
  const std::string status = c.learn ? "status Terminating C:\\APP\\X.EXE in Learn Mode (be patient)"
                                     : "status Terminating C:\\APP\\X.EXE";
  EXPECT_EQ(ui.Only("status"), Lines(c.statusLines, status));
  EXPECT_EQ(ui.Only("error"), Lines(c.errors, kNotTerminated));
  EXPECT_EQ(Running(kPid), c.stillRunning);
  EXPECT_EQ(machine.world.FindProcess(kPid)->endedByForce, c.endedByForce);
  EXPECT_TRUE(Running(13));
  EXPECT_EQ(machine.processes.OpenHandleCount(), 0u);
}

std::string CaseName(const ::testing::TestParamInfo<ModeCase>& param) { return param.param.name; }

INSTANTIATE_TEST_SUITE_P(AllModes, TerminatorModes, ::testing::ValuesIn(kModeCases), CaseName);

TEST_F(TerminatorTest, AFailedWaitIsNoEndAndLeadsToForce) {
  Run(kPid, kApp, CloseAnswer::Ignore).waitFails = true;
  EXPECT_EQ(Terminate(kApp, true), kEndedByForce);
  EXPECT_TRUE(machine.world.FindProcess(kPid)->endedByForce);
}

TEST_F(TerminatorTest, AProcessStillThereInTheLastPassDecidesThoughALaterRowEnds) {
  Run(12, kApp).terminable = false;  // cannot be opened: a failure once pass 4 meets it
  // Cannot be forced, and ends by itself only during the last pass's wait.
  sim::SimProcess& late = Run(13, kApp, CloseAnswer::ExitAfterDelay);
  late.closeDelayMs = 1800;
  late.forcedEndSucceeds = false;
  EXPECT_EQ(Terminate(kApp, true), kStillRunning);
  EXPECT_FALSE(Running(13));
}

TEST_F(TerminatorTest, HiddenErrorsChangeNothingButTheMessages) {
  config.Hide_errors = true;
  Run(kPid, kApp, CloseAnswer::Ignore).forcedEndSucceeds = false;
  EXPECT_EQ(Terminate(kApp, true), kStillRunning);
  EXPECT_TRUE(ui.Only("error").empty());
  EXPECT_EQ(ui.Only("status").size(), 4u);
}

TEST_F(TerminatorTest, NoMatchingRowIsOneQuietPass) {
  Run(kPid, kApp);
  EXPECT_EQ(Terminate("notepad.exe", false, false, true), kNothingMatched);
  EXPECT_EQ(snapshot.RefreshCount(), 1u) << "a pass that finds nothing ends the passes";
  EXPECT_EQ(Terminate("x.exe"), kNothingMatched);  // the full path must match
  EXPECT_TRUE(ui.log.empty());
  EXPECT_EQ(Now(), 0u);
  EXPECT_TRUE(Running(kPid));
  EXPECT_EQ(Entry("x.exe {learn}"), "x.exe {learn}");
  EXPECT_TRUE(ui.log.empty());
}

TEST_F(TerminatorTest, EveryMatchingProcessIsEndedInSnapshotOrder) {
  Run(120, "C:\\A\\ONE.EXE", CloseAnswer::Ignore);
  Run(13, "C:\\B\\TWO.EXE", CloseAnswer::Ignore);
  Run(7, "C:\\C\\KEEP.DLL", CloseAnswer::Ignore);
  EXPECT_EQ(Terminate("c:\\*.exe", true), kEndedByForce);
  EXPECT_EQ(ui.Only("status"), (Lines{"status Terminating C:\\A\\ONE.EXE", "status Terminating C:\\B\\TWO.EXE"}));
  EXPECT_FALSE(Running(120));
  EXPECT_FALSE(Running(13));
  EXPECT_TRUE(Running(7));
  EXPECT_EQ(Now(), 2 * (500 + 2 * kDelay));
  EXPECT_EQ(snapshot.RefreshCount(), 2u) << "the second pass finds them gone and is the last";
}

TEST_F(TerminatorTest, CloseRequestReachesEveryWindowOfTheProcessOnly) {
  Run(kPid, kApp, CloseAnswer::Ignore);
  machine.world.AddWindow(kPid, "second window");
  machine.world.AddWindow(kPid, "");  // untitled windows get the request too
  Run(13, "C:\\APP\\OTHER.EXE", CloseAnswer::Ignore);
  EXPECT_EQ(Terminate(kApp, false, true), kStillRunning);  // polite: four requests, no force
  for (const sim::SimWindow& w : machine.world.Windows()) {
    EXPECT_EQ(w.closeRequests, w.owner == kPid ? 4 : 0) << w.title;
  }
}

TEST_F(TerminatorTest, LearningEntriesRewriteThemselves) {
  Run(kPid, kApp);
  EXPECT_EQ(Entry("C:\\APP\\X.EXE {learn}"), "C:\\APP\\X.EXE");
  EXPECT_EQ(ui.Only("changed").size(), 1u);

  ui.log.clear();
  Run(kPid, kApp, CloseAnswer::Ignore);
  EXPECT_EQ(Entry("C:\\APP\\X.EXE {rem mine} {learn}"), "C:\\APP\\X.EXE {rem mine} {harsh}");
  EXPECT_EQ(ui.Only("changed").size(), 1u);

  // Still running after four passes: it keeps learning.
  ui.log.clear();
  Run(kPid, kApp, CloseAnswer::Ignore).forcedEndSucceeds = false;
  EXPECT_EQ(Entry("C:\\APP\\X.EXE {learn}"), "C:\\APP\\X.EXE {learn}");
  EXPECT_TRUE(ui.Only("changed").empty());

  // Other entries never rewrite themselves.
  machine.world.EndProcess(kPid);
  Run(kPid, kApp);
  EXPECT_EQ(Entry("C:\\APP\\X.EXE {polite}"), "C:\\APP\\X.EXE {polite}");
}

TEST_F(TerminatorTest, OfTwoLearningMatchesTheLaterRowDecides) {
  // Rows sort by pid text: "12" before "13".
  Run(12, "C:\\APP\\X.EXE");
  Run(13, "C:\\APP\\X.EXE", CloseAnswer::Ignore);
  EXPECT_EQ(Entry("C:\\APP\\X.EXE {learn}"), "C:\\APP\\X.EXE {harsh}");

  Run(12, "C:\\APP\\X.EXE", CloseAnswer::Ignore);
  Run(13, "C:\\APP\\X.EXE");
  EXPECT_EQ(Entry("C:\\APP\\X.EXE {learn}"), "C:\\APP\\X.EXE");
}

TEST_F(TerminatorTest, TheScreenSaverEntrySwitchesItOffAndEndsNothing) {
  Run(kPid, "ScreenSaver");
  EXPECT_EQ(Entry("ScreenSaver {learn}"), "ScreenSaver {learn}");
  EXPECT_EQ(Entry("SCREENSAVER"), "SCREENSAVER");
  EXPECT_EQ(machine.shell.screenSaverSwitches, (std::vector<bool>{false, false}));
  EXPECT_TRUE(Running(kPid));
  EXPECT_TRUE(ui.log.empty());
  EXPECT_EQ(Now(), 0u);
}

TEST_F(TerminatorTest, NeverEndsItsOwnProcess) {
  machine.world.SetSelf(kPid, "C:\\PROGRAM FILES\\QUELLMARCH\\QUELLMARCH.EXE");
  Run(kPid, "C:\\PROGRAM FILES\\QUELLMARCH\\QUELLMARCH.EXE");
  Run(13, "C:\\APP\\OTHER.EXE");
  EXPECT_EQ(Terminate("*"), kEndedByItself);
  EXPECT_TRUE(Running(kPid));
  EXPECT_FALSE(Running(13));
  EXPECT_EQ(ui.Only("status"), (Lines{"status Terminating C:\\APP\\OTHER.EXE"}));
  const sim::SimWindow* own = machine.world.FindWindow(0x10010);
  ASSERT_NE(own, nullptr);
  EXPECT_EQ(own->closeRequests, 0);

  // Nor through its window rows, and a pattern that names only itself matches nothing.
  windowTitles = true;
  EXPECT_EQ(Terminate("window of 12"), kNothingMatched);
  EXPECT_EQ(Terminate("*QUELLMARCH.EXE", true), kNothingMatched);
  EXPECT_TRUE(Running(kPid));
}

TEST_F(TerminatorTest, WindowTitleRowsMatchWhileTheTitlesBoxIsChecked) {
  Run(kPid, kApp, CloseAnswer::Ignore);
  machine.world.AddWindow(kPid, "Untitled - Notepad");
  EXPECT_EQ(Terminate("Untitled - *", true), kNothingMatched);
  windowTitles = true;
  EXPECT_EQ(Terminate("Untitled - *", true), kEndedByForce);
  EXPECT_EQ(ui.Only("status"), (Lines{"status Terminating Untitled - Notepad"}));
}

TEST_F(TerminatorTest, ARejectedPatternStopsBeforeAnyPass) {
  Run(kPid, kApp);
  std::string pattern;
  for (int i = 0; i < 31; ++i) pattern += "*x";
  EXPECT_THROW(Terminate(pattern), AppError);
  std::string stored = pattern + " {learn}";
  EXPECT_THROW(engine.terminator.TerminateEntry(stored), AppError);
  EXPECT_EQ(stored, pattern + " {learn}");
  EXPECT_FALSE(snapshot.Refreshed());
  EXPECT_TRUE(Running(kPid));
}

TEST_F(TerminatorTest, AnUnexpectedErrorEndsThePassesAndKeepsTheEntry) {
  Run(kPid, kApp);
  ui.throwOnStatus = true;
  EXPECT_EQ(Entry("C:\\APP\\X.EXE {learn}"), "C:\\APP\\X.EXE {learn}");
  EXPECT_EQ(ui.log, (Lines{"error Error: exception trying to terminate process."}));
  EXPECT_TRUE(Running(kPid));

  ui.log.clear();
  config.Hide_errors = true;
  EXPECT_EQ(Terminate(kApp), kNothingMatched);
  EXPECT_TRUE(ui.log.empty());
}

TEST_F(TerminatorTest, LongCandidatesAreShortenedOnTheStatusLine) {
  const std::string path = "C:\\" + std::string(80, 'D') + "\\X.EXE";
  Run(kPid, path);
  Terminate("*");
  Run(kPid, path);
  Terminate("*", false, false, true);
  EXPECT_EQ(ui.Only("status"),
            (Lines{"status Terminating " + path.substr(0, 5) + "..." + path.substr(path.size() - 64),
                   "status Terminating " + path.substr(0, 5) + "..." + path.substr(path.size() - 37) +
                       " in Learn Mode (be patient)"}));
}

}  // namespace
}  // namespace qm::testing
