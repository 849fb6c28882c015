#include "platform/sim/sim_machine.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

class SimMachineTest : public ::testing::Test {
 protected:
  sim::SimMachine machine;
  Platform platform = machine.platform();

  // The termination sequence the engine runs: close request, bounded wait.
  WaitResult CloseAndWait(ProcessId pid, std::uint32_t graceMs) {
    const ObjectHandle h = platform.processes.OpenProcess(kProcessSyncAndTerminate, pid);
    EXPECT_NE(h, 0u);
    platform.windows.EnumWindows([&](WindowHandle w) {
      if (platform.windows.GetWindowThreadProcessId(w) == pid) platform.windows.PostCloseMessage(w);
      return true;
    });
    const WaitResult result = platform.processes.WaitForSingleObject(h, graceMs);
    platform.processes.CloseHandle(h);
    return result;
  }
};

TEST_F(SimMachineTest, CloseAnswersFollowTheVirtualClock) {
  machine.world.AddProcess(10, "C:\\a.exe").onClose = sim::CloseAnswer::ExitAtOnce;
  machine.world.AddWindow(10, "A");
  sim::SimProcess& slow = machine.world.AddProcess(11, "C:\\b.exe");
  slow.onClose = sim::CloseAnswer::ExitAfterDelay;
  slow.closeDelayMs = 500;
  machine.world.AddWindow(11, "B");
  machine.world.AddProcess(12, "C:\\c.exe").onClose = sim::CloseAnswer::Ignore;
  machine.world.AddWindow(12, "C");

  EXPECT_EQ(CloseAndWait(10, 1000), WaitResult::Signaled);
  EXPECT_EQ(platform.clock.NowMs(), 0u);
  EXPECT_EQ(CloseAndWait(11, 300), WaitResult::Timeout);
  EXPECT_EQ(platform.clock.NowMs(), 300u);
  // The second request does not postpone the exit scheduled by the first.
  EXPECT_EQ(CloseAndWait(11, 300), WaitResult::Signaled);
  EXPECT_EQ(platform.clock.NowMs(), 500u);
  EXPECT_EQ(CloseAndWait(12, 1000), WaitResult::Timeout);
  EXPECT_EQ(platform.clock.NowMs(), 1500u);
  EXPECT_NE(machine.world.FindLive(12), nullptr);
  EXPECT_EQ(machine.world.Windows().size(), 1u);  // windows leave with their process
}

TEST_F(SimMachineTest, SleepsRunScheduledExitsOnTheWay) {
  sim::SimProcess& p = machine.world.AddProcess(20, "C:\\a.exe");
  p.onClose = sim::CloseAnswer::ExitAfterDelay;
  p.closeDelayMs = 250;
  const WindowHandle w = machine.world.AddWindow(20, "A");
  EXPECT_TRUE(platform.windows.PostCloseMessage(w));
  platform.clock.Sleep(200);
  EXPECT_NE(machine.world.FindLive(20), nullptr);
  platform.clock.Sleep(100);
  EXPECT_EQ(machine.world.FindLive(20), nullptr);
  EXPECT_FALSE(platform.windows.PostCloseMessage(w));
  EXPECT_EQ(machine.clock.TotalSlept(), 300u);
}

TEST_F(SimMachineTest, ProcessesOpenOnlyForTheRightsTheyGrant) {
  sim::SimProcess& p = machine.world.AddProcess(30, "C:\\svc.exe");
  p.readable = false;
  EXPECT_EQ(platform.processes.OpenProcess(kProcessQueryAndRead, 30), 0u);
  const ObjectHandle h = platform.processes.OpenProcess(kProcessSyncAndTerminate, 30);
  ASSERT_NE(h, 0u);
  p.terminable = false;
  EXPECT_EQ(platform.processes.OpenProcess(kProcessSyncAndTerminate, 30), 0u);
  EXPECT_EQ(platform.processes.OpenProcess(kProcessSyncAndTerminate, 31), 0u);
  EXPECT_EQ(platform.processes.OpenProcess(kProcessSyncAndTerminate, 0), 0u);
  platform.processes.CloseHandle(h);
}

TEST_F(SimMachineTest, ForcedEndAndHandlesThatOutliveTheirProcess) {
  machine.world.AddProcess(40, "C:\\a.exe");
  machine.world.AddProcess(41, "C:\\b.exe").forcedEndSucceeds = false;
  const ObjectHandle a = platform.processes.OpenProcess(kProcessSyncAndTerminate, 40);
  const ObjectHandle b = platform.processes.OpenProcess(kProcessSyncAndTerminate, 41);
  const ObjectHandle readOnly = platform.processes.OpenProcess(kProcessQueryAndRead, 41);
  EXPECT_TRUE(platform.processes.TerminateProcess(a, 0));
  EXPECT_EQ(platform.processes.WaitForSingleObject(a, 0), WaitResult::Signaled);
  EXPECT_FALSE(platform.processes.TerminateProcess(b, 0));
  EXPECT_FALSE(platform.processes.TerminateProcess(readOnly, 0));
  EXPECT_EQ(platform.processes.WaitForSingleObject(readOnly, 10), WaitResult::Failed);
  for (ObjectHandle h : {a, b, readOnly}) platform.processes.CloseHandle(h);
  EXPECT_EQ(machine.processes.OpenHandleCount(), 0u);
  EXPECT_TRUE(machine.world.FindProcess(40)->endedByForce);
}

TEST_F(SimMachineTest, ReusedPidNamesTheNewProcess) {
  machine.world.AddProcess(50, "C:\\old.exe");
  machine.world.EndProcess(50);
  machine.world.AddProcess(50, "C:\\new.exe");
  EXPECT_EQ(machine.world.FindLive(50)->path, "C:\\new.exe");
}

TEST_F(SimMachineTest, FilesFollowWindowsPathRules) {
  EXPECT_TRUE(ReplaceWholeFile(platform.files, "C:\\Work\\Set.qmf", "[Quellmarch]\r\n"));
  EXPECT_TRUE(platform.files.FileExists("c:/work/SET.QMF"));
  EXPECT_TRUE(platform.files.FileExists("C:\\\\Work\\Set.qmf"));
  EXPECT_FALSE(platform.files.FileExists("C:\\Work\\Set.qm"));
  EXPECT_EQ(platform.files.ReadWholeFile("C:\\WORK\\set.qmf").value_or(""), "[Quellmarch]\r\n");
  machine.files.FailWrites("c:\\work\\set.qmf");
  EXPECT_FALSE(ReplaceWholeFile(platform.files, "C:\\Work\\Set.qmf", "lost"));
  EXPECT_EQ(platform.files.ReadWholeFile("C:\\Work\\Set.qmf").value_or(""), "[Quellmarch]\r\n");
  machine.files.FailReads("C:\\Work\\Set.qmf");
  EXPECT_FALSE(platform.files.ReadWholeFile("C:\\Work\\Set.qmf").has_value());
}

TEST_F(SimMachineTest, OutsideEffectsAreRecorded) {
  platform.shell.Execute(7, "open", "notepad.exe", "", "C:\\", 6);
  platform.shell.SetScreenSaveActive(false);
  ASSERT_EQ(machine.shell.calls.size(), 1u);
  EXPECT_EQ(machine.shell.calls[0].showCommand, 6);
  EXPECT_EQ(machine.shell.screenSaverSwitches, std::vector<bool>{false});

  TrayIconData data;
  data.id = 1006;
  data.tip = std::string(80, 'x');
  machine.tray.acceptRequests = false;
  EXPECT_FALSE(platform.tray.NotifyIcon(TrayAction::Modify, data));
  EXPECT_EQ(machine.tray.calls.at(0).data.tip.size(), 63u);
  machine.tray.cursor.reset();
  EXPECT_FALSE(platform.tray.GetCursorPos().has_value());

  EXPECT_TRUE(platform.help.HtmlHelp(7, "C:\\QuellmarchHelp.chm", kHelpContext, 12));
  machine.help.viewerInstalled = false;
  EXPECT_FALSE(platform.help.HtmlHelp(7, "C:\\QuellmarchHelp.chm", kHelpDisplayTopic, 0));
  EXPECT_EQ(machine.help.calls.size(), 1u);
}

}  // namespace
}  // namespace qm
