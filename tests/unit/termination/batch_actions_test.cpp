#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "config/app_error.h"
#include "config/entry_grammar.h"
#include "termination/engine_fixture.h"

namespace qm::testing {
namespace {

using sim::CloseAnswer;
using Lines = std::vector<std::string>;

class BatchActionsTest : public EngineTest {
 protected:
  BatchActions& batch() { return engine.batch; }
};

TEST_F(BatchActionsTest, RunAllStartsCheckedEntriesAndPacesEachOne) {
  runList.AppendStored("C:\\A.EXE", true);
  runList.AppendStored("C:\\B.EXE {arg x}", false);
  runList.AppendStored("C:\\C.EXE {min}", true);
  batch().RunAll(runList);
  EXPECT_EQ(ui.log, (Lines{"window to config", "progress 1", "status ", "show",
                           "progress 33", "status Starting C:\\A.EXE", "progress 33", "progress 33",
                           "progress 66", "status Skipping C:\\B.EXE {arg x}", "progress 66", "progress 66",
                           "progress 100", "status Starting C:\\C.EXE", "progress 100", "progress 100",
                           "hide"}));
  ASSERT_EQ(machine.shell.calls.size(), 2u);
  EXPECT_EQ(machine.shell.calls[0].file, "C:\\A.EXE");
  EXPECT_EQ(machine.shell.calls[1].showCommand, 6);
  EXPECT_EQ(Now(), 3 * 5 * kDelay + 3 * kDelay);
}

TEST_F(BatchActionsTest, TerminateAllWalksTheListAndWritesLearnedEntriesBack) {
  Run(12, "C:\\APP\\X.EXE");
  Run(13, "C:\\B\\Y.EXE");
  terminateList.AppendStored("C:\\APP\\X.EXE {learn}", true);
  terminateList.Append("", "", true);  // an empty item takes no turn
  terminateList.AppendStored("C:\\B\\Y.EXE", false);
  terminateList.AppendStored("C:\\C\\Z.EXE", true);
  batch().TerminateAll(terminateList);
  EXPECT_EQ(ui.log, (Lines{"window to config", "progress 0", "status ", "show", "status ", "progress 1",
                           "status Searching for C:\\APP\\X.EXE {learn}", "progress 0",
                           "status Terminating C:\\APP\\X.EXE in Learn Mode (be patient)", "changed",
                           "progress 25",
                           "status Skipping C:\\B\\Y.EXE", "progress 25", "progress 75",
                           "status Searching for C:\\C\\Z.EXE", "progress 75", "progress 100",
                           "hide"}));
  EXPECT_EQ(terminateList.StoredText(0), "C:\\APP\\X.EXE");
  EXPECT_EQ(terminateList.DisplayText(0), StoredToDisplay("C:\\APP\\X.EXE"));
  EXPECT_TRUE(terminateList.Checked(0));
  EXPECT_FALSE(Running(12));
  EXPECT_TRUE(Running(13));
  // 3 units before each non-empty item and at the end; the learner closed at once.
  EXPECT_EQ(Now(), 4 * 3 * kDelay);
}

// A file name of 20 characters or more with a blank from column 20 on: its
// display text cannot be turned back into it.
TEST_F(BatchActionsTest, ALongNameWithABlankReachesTheShellAndTheTerminatorWhole) {
  const std::string path = "C:\\Program Files\\Long Application Name X.exe";
  runList.AppendStored(path, true);
  terminateList.AppendStored(path + " {learn}", true);
  batch().RunAll(runList);
  batch().TerminateAll(terminateList);
  ASSERT_EQ(machine.shell.calls.size(), 1u);
  EXPECT_EQ(machine.shell.calls[0].file, path);
  EXPECT_EQ(ui.Only("status Searching"), (Lines{"status Searching for " + path + " {learn}"}));
  EXPECT_EQ(terminateList.StoredText(0), path + " {learn}");
}

TEST_F(BatchActionsTest, StatusLinesOfTheTerminateBatchStayWithin85Characters) {
  const std::string path = "C:\\" + std::string(100, 'd') + "\\X.EXE";
  terminateList.AppendStored(path, true);
  terminateList.AppendStored(path, false);
  batch().TerminateAll(terminateList);
  EXPECT_EQ(ui.Only("status S"), (Lines{"status Searching for " + path.substr(0, 5) + "..." + path.substr(path.size() - 62),
                                        "status Skipping " + path.substr(0, 5) + "..." + path.substr(path.size() - 67)}));
}

TEST_F(BatchActionsTest, EmptyListsStillShowTheStatusWindowForThreeUnits) {
  batch().RunAll(runList);
  EXPECT_EQ(ui.log, (Lines{"window to config", "progress 1", "status ", "show", "hide"}));
  EXPECT_EQ(Now(), 3 * kDelay);
  ui.log.clear();
  batch().TerminateAll(terminateList);
  EXPECT_EQ(ui.log, (Lines{"window to config", "progress 0", "status ", "show", "status ", "progress 1", "hide"}));
  EXPECT_EQ(Now(), 6 * kDelay);
}

TEST_F(BatchActionsTest, BatchesPaceThemselvesWithTheDelayOnScreen) {
  ui.onWindowToConfig = [this] {
    config.Message_Delay = 10;
    config.Hide_errors = true;
  };
  Run(12, "C:\\APP\\X.EXE", CloseAnswer::Ignore).forcedEndSucceeds = false;
  terminateList.AppendStored("C:\\APP\\X.EXE {harsh}", true);
  batch().TerminateAll(terminateList);
  EXPECT_TRUE(ui.Only("error").empty());
  EXPECT_EQ(Now(), 3 * 10 + (4 * 500 + 2 * 10) + 3 * 10);

  config.Message_Delay = -5;  // a hand-edited file: no pauses, rather than endless ones
  batch().Pause(3);
  EXPECT_EQ(Now(), 3 * 10 + (4 * 500 + 2 * 10) + 3 * 10);
}

TEST_F(BatchActionsTest, ARejectedPatternEndsTheBatchAndHidesTheStatusWindow) {
  std::string pattern;
  for (int i = 0; i < 31; ++i) pattern += "*x";
  Run(12, "C:\\APP\\X.EXE");
  terminateList.AppendStored(pattern, true);
  terminateList.AppendStored("C:\\APP\\X.EXE", true);
  EXPECT_THROW(batch().TerminateAll(terminateList), AppError);
  EXPECT_EQ(ui.log.back(), "hide");
  EXPECT_TRUE(Running(12));

  ui.log.clear();
  runList.AppendStored("C:\\A.EXE {nop " + pattern + "}", true);
  runList.AppendStored("C:\\B.EXE", true);
  EXPECT_THROW(batch().RunAll(runList), AppError);
  EXPECT_EQ(ui.log.back(), "hide");
  EXPECT_TRUE(machine.shell.calls.empty());
}

// The list: the second entry cannot be ended, and while its error
// message is up the user removes entries in the Options window.
TEST_F(BatchActionsTest, AnEntryGoesBackOnlyIntoTheItemItCameFrom) {
  struct Case {
    std::vector<std::size_t> removed;  // during the first error message
    Lines left;
    bool single = false;  // the single-entry command on item 1 instead of the batch
  };
  const Case cases[] = {
      {{0}, {"C:\\APP\\X.EXE {harsh}", "C:\\KEEP\\K.EXE {rem keep me}"}},
      {{1}, {"C:\\OTHER.EXE", "C:\\KEEP\\K.EXE {rem keep me}"}},
      {{2, 1}, {"C:\\OTHER.EXE"}},
      {{0}, {"C:\\APP\\X.EXE {harsh}", "C:\\KEEP\\K.EXE {rem keep me}"}, true},
  };
  for (const Case& c : cases) {
    MemoryEntryList list;
    for (const char* stored : {"C:\\OTHER.EXE", "C:\\APP\\X.EXE {harsh}", "C:\\KEEP\\K.EXE {rem keep me}"}) {
      list.AppendStored(stored, true);
    }
    Run(12, "C:\\APP\\X.EXE", CloseAnswer::Ignore).forcedEndSucceeds = false;
    bool removed = false;
    ui.onError = [&] {
      if (!std::exchange(removed, true)) {
        for (std::size_t index : c.removed) list.Remove(index);
      }
    };
    ui.log.clear();
    EXPECT_NO_THROW(c.single ? batch().TerminateOneEntry(list, 1) : batch().TerminateAll(list));
    Lines left;
    for (std::size_t i = 0; i < list.Count(); ++i) {
      left.push_back(list.StoredText(i));
      EXPECT_EQ(list.DisplayText(i), StoredToDisplay(left.back()));
    }
    EXPECT_EQ(left, c.left) << "removed " << c.removed.front();
    EXPECT_TRUE(ui.Only("status Searching for C:\\KEEP").empty()) << "the walk stops";
    EXPECT_EQ(ui.log.back(), "hide");
    machine.world.EndProcess(12);
  }
}

TEST_F(BatchActionsTest, TheRunBatchStopsWhenItsListChangesUnderIt) {
  runList.AppendStored("C:\\A.EXE", true);
  runList.AppendStored("C:\\B.EXE", true);
  runList.AppendStored("C:\\C.EXE", true);
  // The shell's own message about a file it cannot open runs a message loop too.
  machine.shell.onExecute = [this](const sim::ShellCall&) -> std::intptr_t {
    if (runList.Count() == 3) runList.Remove(0);
    return 2;
  };
  batch().RunAll(runList);
  ASSERT_EQ(machine.shell.calls.size(), 1u);
  EXPECT_EQ(ui.log.back(), "hide");
}

TEST_F(BatchActionsTest, AListThatShrinksDuringAnErrorMessageEndsTheWalk) {
  Run(12, "C:\\APP\\X.EXE", CloseAnswer::Ignore).forcedEndSucceeds = false;
  terminateList.AppendStored("C:\\APP\\X.EXE {harsh}", true);
  terminateList.AppendStored("C:\\APP\\Y.EXE", true);
  terminateList.AppendStored("C:\\APP\\Z.EXE", true);
  ui.onError = [this] {
    while (terminateList.Count() > 1) terminateList.Remove(terminateList.Count() - 1);
  };
  batch().TerminateAll(terminateList);
  EXPECT_TRUE(ui.Only("status Searching for C:\\APP\\Y").empty());
  EXPECT_EQ(ui.log.back(), "hide");
}

TEST_F(BatchActionsTest, AHandEditedHugeDelayPausesNoLongerThanTheSliderAllows) {
  config.Message_Delay = 2000000000;
  batch().RunOneEntry("C:\\A.EXE");
  EXPECT_EQ(Now(), 5u * 700u);
}

TEST_F(BatchActionsTest, RunOneEntry) {
  config.Message_Delay = 7;
  ui.onWindowToConfig = [this] { config.Message_Delay = 1000; };
  batch().RunOneEntry("C:\\A.EXE {min}");
  EXPECT_EQ(ui.log, (Lines{"progress 50", "status Runnning C:\\A.EXE {min}", "show", "status Starting C:\\A.EXE",
                           "progress 75", "progress 100", "hide"}));
  EXPECT_EQ(Now(), 5u * 7u);  // the document's delay as it stands
  EXPECT_EQ(machine.shell.calls.size(), 1u);
}

TEST_F(BatchActionsTest, TerminateOneEntryOfTheOptionsListWritesItBack) {
  Run(12, "C:\\APP\\X.EXE", CloseAnswer::Ignore);
  terminateList.AppendStored("C:\\OTHER.EXE", true);
  terminateList.AppendStored("C:\\APP\\X.EXE {learn}", false);
  batch().TerminateOneEntry(terminateList, 1);
  EXPECT_EQ(ui.log, (Lines{"show", "progress 50", "status Searching for C:\\APP\\X.EXE {learn}",
                           "status Terminating C:\\APP\\X.EXE in Learn Mode (be patient)", "changed", "progress 75",
                           "progress 100", "hide"}));
  EXPECT_EQ(terminateList.StoredText(1), "C:\\APP\\X.EXE {harsh}");
  EXPECT_EQ(terminateList.DisplayText(1), StoredToDisplay("C:\\APP\\X.EXE {harsh}"));
  EXPECT_FALSE(terminateList.Checked(1));
  EXPECT_EQ(Now(), 1 * kDelay + 20000 + 5 * kDelay + 4 * kDelay);
}

TEST_F(BatchActionsTest, TerminateOneRowHandsBackTheRewrittenText) {
  Run(12, "C:\\APP\\X.EXE");
  std::string stored = "C:\\APP\\X.EXE {learn}";
  batch().TerminateOneEntry(stored);
  EXPECT_EQ(stored, "C:\\APP\\X.EXE");
  EXPECT_EQ(ui.Only("status S"), (Lines{"status Searching for C:\\APP\\X.EXE {learn}"}));
  EXPECT_EQ(Now(), 5 * kDelay);
}

}  // namespace
}  // namespace qm::testing
