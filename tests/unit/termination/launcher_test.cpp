#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/app_error.h"
#include "termination/engine_fixture.h"

namespace qm::testing {
namespace {

using Lines = std::vector<std::string>;

class LauncherTest : public EngineTest {
 protected:
  bool Launch(const std::string& stored) { return engine.launcher.LaunchEntry(stored); }
  const sim::ShellCall& OnlyCall() {
    EXPECT_EQ(machine.shell.calls.size(), 1u);
    return machine.shell.calls.at(0);
  }
};

TEST_F(LauncherTest, HandsTheEntryToTheOpenActionWithItsOptions) {
  EXPECT_TRUE(Launch("C:\\Tools\\Mail\\mailer.exe {arg -check} {min}"));
  const sim::ShellCall& call = OnlyCall();
  EXPECT_EQ(call.owner, kTrayWindow);
  EXPECT_EQ(call.verb, "open");
  EXPECT_EQ(call.file, "C:\\Tools\\Mail\\mailer.exe");
  EXPECT_EQ(call.parameters, "-check");
  EXPECT_EQ(call.directory, "");
  EXPECT_EQ(call.showCommand, 6);
  EXPECT_EQ(ui.log, (Lines{"status Starting C:\\Tools\\Mail\\mailer.exe"}));
}

TEST_F(LauncherTest, OfRepeatedTagsTheOneNearestTheStartWins) {
  Launch("D:\\a.exe {dir D:\\Work} {max} {dir E:\\Other} {min} {rem note}");
  EXPECT_EQ(OnlyCall().directory, "D:\\Work");
  EXPECT_EQ(OnlyCall().showCommand, 3);
  machine.shell.calls.clear();
  Launch("D:\\a.exe");
  EXPECT_EQ(OnlyCall().showCommand, 1);
}

TEST_F(LauncherTest, ADontRunIfRunningPatternSkipsTheStartWhileItMatches) {
  const std::string entry = "C:\\Tools\\Mail\\mailer.exe {nop *\\MAILER.EXE}";
  Run(30, "C:\\Tools\\Mail\\MAILER.EXE");
  EXPECT_FALSE(Launch(entry));
  EXPECT_TRUE(machine.shell.calls.empty());
  EXPECT_EQ(ui.log, (Lines{"status Skipping C:\\Tools\\Mail\\mailer.exe"}));

  machine.world.EndProcess(30);
  EXPECT_TRUE(Launch(entry));
  EXPECT_EQ(OnlyCall().file, "C:\\Tools\\Mail\\mailer.exe");
  EXPECT_EQ(OnlyCall().parameters, "");
}

TEST_F(LauncherTest, IsAnyProcessMatchingReadsAFreshSnapshot) {
  Run(30, "C:\\Tools\\Mail\\MAILER.EXE");
  machine.world.AddWindow(30, "Inbox - Mailer");
  EXPECT_TRUE(engine.launcher.IsAnyProcessMatching("*\\mailer.exe"));
  EXPECT_FALSE(engine.launcher.IsAnyProcessMatching("mailer.exe"));
  EXPECT_FALSE(engine.launcher.IsAnyProcessMatching("Inbox - *"));
  windowTitles = true;
  EXPECT_TRUE(engine.launcher.IsAnyProcessMatching("Inbox - *"));
  machine.world.EndProcess(30);
  EXPECT_FALSE(engine.launcher.IsAnyProcessMatching("*"));
}

TEST_F(LauncherTest, TheScreenSaverEntrySwitchesItOn) {
  EXPECT_TRUE(Launch("SCREENSAVER {min}"));
  EXPECT_TRUE(Launch("screenSaver"));
  EXPECT_TRUE(machine.shell.calls.empty());
  EXPECT_EQ(machine.shell.screenSaverSwitches, (std::vector<bool>{true, true}));
  EXPECT_EQ(ui.log, (Lines{"status Starting SCREENSAVER", "status Starting screenSaver"}));
}

TEST_F(LauncherTest, LongPathsAreShortenedOnlyOnTheStatusLine) {
  const std::string path = "C:\\" + std::string(80, 'p') + "\\tool.exe";
  Launch(path);
  EXPECT_EQ(OnlyCall().file, path);
  EXPECT_EQ(ui.log, (Lines{"status Starting " + path.substr(0, 5) + "..." + path.substr(path.size() - 67)}));
}

TEST_F(LauncherTest, AWebAddressIsPassedOnUnchanged) {
  machine.shell.onExecute = [](const sim::ShellCall&) { return 2; };  // a failed open is not looked at
  EXPECT_TRUE(Launch("http://example.invalid/a?b=1"));
  EXPECT_EQ(OnlyCall().file, "http://example.invalid/a?b=1");
}

TEST_F(LauncherTest, ARejectedSkipPatternStopsBeforeAnythingStarts) {
  std::string pattern;
  for (int i = 0; i < 31; ++i) pattern += "*x";
  EXPECT_THROW(Launch("C:\\a.exe {nop " + pattern + "}"), AppError);
  EXPECT_TRUE(machine.shell.calls.empty());
  EXPECT_TRUE(ui.log.empty());
}

}  // namespace
}  // namespace qm::testing
