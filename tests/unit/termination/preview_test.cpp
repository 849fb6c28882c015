#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "config/app_error.h"
#include "termination/engine_fixture.h"

namespace qm::testing {
namespace {

using Pids = std::set<ProcessId>;
using sim::CloseAnswer;

constexpr ProcessId kSelf = 4242;
const std::string kSelfPath = "C:\\Program Files\\Quellmarch\\Quellmarch.exe";
// More than 30 elements after a star: the matcher refuses it.
std::string Rejected() {
  std::string pattern;
  for (int i = 0; i < 31; ++i) pattern += "*x";
  return pattern;
}

struct Entry {
  std::string stored;
  bool checked = true;
};

struct PreviewCase {
  const char* name;
  std::vector<Entry> entries;
  bool windowTitles;
  Pids ended;           // what the preview lists and the toggle then ends or tries to
  bool sparedListed;    // the program's own process is listed, marked
  bool unsafeMarked;    // a listed row carries the unsafe mark
};

const PreviewCase kCases[] = {
    {"normal", {{"*\\ONE.EXE"}}, false, {12}, false, false},
    {"harsh_two_programs", {{"C:\\APPS\\*.EXE {harsh}"}}, false, {12, 13}, false, false},
    {"polite_ignored_close", {{"*TWO.EXE {polite}"}}, false, {13}, false, false},
    {"learning", {{"*\\STEAM.EXE {learn}"}}, false, {14}, false, false},
    {"title_box_off", {{"Editor - *"}}, false, {}, false, false},
    {"title_box_on", {{"Editor - *"}}, true, {12}, false, false},
    {"unchecked_entries_wait", {{"*\\ONE.EXE", false}, {"*\\TWO.EXE"}}, false, {13}, false, false},
    {"own_process_spared", {{"*\\quellmarch.exe {harsh}"}}, true, {}, true, false},
    {"everything", {{"* {harsh}"}}, true, {12, 13, 14, 20}, true, true},
    {"unsafe_still_ended", {{"*\\EXPLORER.EXE"}}, false, {20}, false, true},
    {"screen_saver", {{"ScreenSaver {harsh}"}, {"*\\ONE.EXE"}}, false, {12}, false, false},
    {"rejected_stops_the_batch", {{"*\\ONE.EXE"}, {Rejected()}, {"*\\TWO.EXE"}}, false, {12}, false, false},
};

void PrintTo(const PreviewCase& c, std::ostream* os) { *os << c.name; }

class PreviewAndToggle : public EngineTest, public ::testing::WithParamInterface<PreviewCase> {
 protected:
  PreviewAndToggle() {
    machine.world.SetSelf(kSelf, kSelfPath);
    Run(kSelf, kSelfPath);
    Run(12, "C:\\APPS\\ONE.EXE");
    machine.world.AddWindow(12, "Editor - notes.txt");
    Run(13, "C:\\APPS\\TWO.EXE", CloseAnswer::Ignore);
    Run(14, "C:\\GAMES\\STEAM.EXE");
    Run(20, "C:\\WINDOWS\\EXPLORER.EXE");
  }
  // A toggle meets a process when it ends it or asks its windows to close.
  Pids Met() {
    Pids met;
    for (sim::SimProcess& p : machine.world.AllProcesses()) {
      if (p.exited) met.insert(p.pid);
    }
    for (const sim::SimWindow& w : machine.world.Windows()) {
      if (w.closeRequests > 0) met.insert(w.owner);
    }
    return met;
  }
};

TEST_P(PreviewAndToggle, ThePreviewListsWhatTheToggleThenEndsAndChangesNothing) {
  const PreviewCase& c = GetParam();
  windowTitles = c.windowTitles;
  for (const Entry& e : c.entries) terminateList.AppendStored(e.stored, e.checked);

  const TogglePreview preview = engine.preview.Toggle(runList, terminateList);
  Pids listed;
  bool spared = false;
  bool unsafe = false;
  for (const ProcessEntryPreview& entry : preview.terminate) {
    for (const MatchedRow& match : entry.found.matches) {
      EXPECT_TRUE(entry.reached) << entry.stored;
      if (match.ownProcess) {
        spared = true;
        EXPECT_EQ(match.pid, kSelf);
        continue;
      }
      listed.insert(match.pid);
      unsafe = unsafe || match.unsafe;
    }
  }
  EXPECT_EQ(listed, c.ended);
  EXPECT_EQ(spared, c.sparedListed);
  EXPECT_EQ(unsafe, c.unsafeMarked);
  // Nothing happened: no close request, no end, no switch, no rewrite.
  EXPECT_TRUE(Met().empty());
  EXPECT_TRUE(ui.log.empty());
  EXPECT_TRUE(machine.shell.screenSaverSwitches.empty());
  EXPECT_EQ(Now(), 0u);
  for (std::size_t i = 0; i < c.entries.size(); ++i) EXPECT_EQ(terminateList.StoredText(i), c.entries[i].stored);

  try {
    engine.batch.TerminateAll(terminateList);
  } catch (const AppError&) {
  }
  EXPECT_EQ(Met(), listed);
}

std::string CaseName(const ::testing::TestParamInfo<PreviewCase>& param) { return param.param.name; }

INSTANTIATE_TEST_SUITE_P(OneSnapshot, PreviewAndToggle, ::testing::ValuesIn(kCases), CaseName);

TEST_F(EngineTest, ThePreviewTellsTheScreenSaverTheRejectedPatternAndTheSkippedStarts) {
  Run(30, "C:\\Tools\\Mail\\MAILER.EXE");
  terminateList.AppendStored("screensaver", true);
  terminateList.AppendStored(Rejected() + " {learn}", true);
  terminateList.AppendStored("*\\MAILER.EXE", true);
  runList.AppendStored("C:\\Tools\\Mail\\mailer.exe {nop *\\MAILER.EXE}", true);
  runList.AppendStored("C:\\Tools\\Other.exe {nop *\\OTHER.EXE}", true);
  runList.AppendStored("C:\\Tools\\Off.exe", false);

  const TogglePreview preview = engine.preview.Toggle(runList, terminateList);
  ASSERT_EQ(preview.terminate.size(), 3u);
  EXPECT_TRUE(preview.terminate[0].found.screenSaver);
  std::string refused;
  try {
    std::string stored = Rejected() + " {learn}";
    engine.terminator.TerminateEntry(stored);
  } catch (const AppError& error) {
    refused = error.what();
  }
  EXPECT_EQ(preview.terminate[1].found.error, refused);
  EXPECT_FALSE(preview.terminate[2].reached);

  ASSERT_EQ(preview.run.size(), 2u);
  EXPECT_EQ(preview.run[0].found.running.size(), 1u);
  EXPECT_TRUE(preview.run[1].found.running.empty());
  engine.batch.RunAll(runList);
  ASSERT_EQ(machine.shell.calls.size(), 1u);
  EXPECT_EQ(machine.shell.calls[0].file, "C:\\Tools\\Other.exe");

  // One entry alone, checked or not, as Terminate Now takes it.
  const ProcessEntryPreview one = engine.preview.ProcessEntry("*\\MAILER.EXE {polite}");
  ASSERT_EQ(one.found.matches.size(), 1u);
  EXPECT_EQ(one.found.matches[0].pid, 30u);
  EXPECT_EQ(one.found.mode, TerminationMode::Polite);
  EXPECT_TRUE(Running(30));
}

}  // namespace
}  // namespace qm::testing
