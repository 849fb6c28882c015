#include "engine/process_snapshot.h"

#include <gtest/gtest.h>

#include "engine/process_row.h"
#include "platform/sim/sim_machine.h"

namespace qm {
namespace {

class SnapshotTest : public ::testing::Test {
 protected:
  ProcessSnapshot MakeSnapshot() {
    return ProcessSnapshot(machine.processes, machine.windows, [this] { return titlesChecked; });
  }

  sim::SimMachine machine;
  bool titlesChecked = false;
};

TEST_F(SnapshotTest, EmptyAndUnrefreshedUntilTheFirstRefresh) {
  machine.world.AddProcess(8, "C:\\WINNT\\notepad.exe");
  ProcessSnapshot snapshot = MakeSnapshot();
  EXPECT_FALSE(snapshot.Refreshed());
  EXPECT_EQ(snapshot.Count(), 0u);
  snapshot.Refresh();
  EXPECT_TRUE(snapshot.Refreshed());
  EXPECT_EQ(snapshot.Count(), 1u);
}

TEST_F(SnapshotTest, NtListingSkipsUnreadableProcessesAndClosesEveryHandle) {
  machine.world.AddProcess(8, "C:\\WINNT\\System32\\smss.exe").readable = false;
  machine.world.AddProcess(300, "C:\\Apps\\app.exe");
  machine.world.AddProcess(301, "C:\\Apps\\app.exe");
  ProcessSnapshot snapshot = MakeSnapshot();
  snapshot.Refresh();
  ASSERT_EQ(snapshot.Count(), 2u);
  // Same program twice: rows differ only in their pid text.
  EXPECT_EQ(snapshot.Row(0).substr(14), snapshot.Row(1).substr(14));
  EXPECT_EQ(RowPid(snapshot.Row(0)), 300u);
  EXPECT_EQ(machine.processes.OpenHandleCount(), 0u);
}

TEST_F(SnapshotTest, NtListingIsBoundedToThe1024FirstProcesses) {
  for (ProcessId pid = 1; pid <= 1100; ++pid) machine.world.AddProcess(pid * 4, "C:\\p.exe");
  ProcessSnapshot snapshot = MakeSnapshot();
  snapshot.Refresh();
  EXPECT_EQ(snapshot.Count(), 1024u);
  EXPECT_EQ(machine.processes.OpenProcessCalls(), 1024);
}

TEST_F(SnapshotTest, NtWithoutVdmdbgOrAnyEntryPointListsNoProcess) {
  machine.world.AddProcess(100, "C:\\a.exe");
  machine.world.AddWindow(100, "Main");
  titlesChecked = true;
  {
    machine.world.RemoveLibrary("VDMDBG.DLL");
    ProcessSnapshot snapshot = MakeSnapshot();
    snapshot.Refresh();
    // Only the window row survives a failed listing.
    ASSERT_EQ(snapshot.Count(), 1u);
    EXPECT_TRUE(IsRawWindowRow(snapshot.Row(0)));
  }
  machine.world.UseWindowsNt();
  machine.world.RemoveEntryPoint("PSAPI.DLL", "GetModuleBaseNameA");
  ProcessSnapshot snapshot = MakeSnapshot();
  snapshot.Refresh();
  EXPECT_EQ(snapshot.Count(), 1u);
}

TEST_F(SnapshotTest, FailedProcessListLeavesTheListCleared) {
  machine.world.AddProcess(100, "C:\\a.exe");
  ProcessSnapshot snapshot = MakeSnapshot();
  snapshot.Refresh();
  ASSERT_EQ(snapshot.Count(), 1u);
  machine.processes.FailEnumProcesses(true);
  snapshot.Refresh();
  EXPECT_EQ(snapshot.Count(), 0u);
}

TEST_F(SnapshotTest, LibrariesLoadOnceAndUnloadVdmdbgFirst) {
  {
    ProcessSnapshot snapshot = MakeSnapshot();
    snapshot.Refresh();
    snapshot.Refresh();
    EXPECT_TRUE(snapshot.IsNT());
    EXPECT_EQ(machine.processes.LoadedLibraryCount(), 2u);
  }
  EXPECT_EQ(machine.processes.LoadedLibraryCount(), 0u);
  EXPECT_EQ(machine.processes.FreedLibraries(), (std::vector<std::string>{"VDMDBG.DLL", "PSAPI.DLL"}));
}

TEST_F(SnapshotTest, PlatformIdDecidesTheFamilyWhateverElseIsInstalled) {
  machine.world.UseWindows9x();
  machine.world.UseWindowsNt();  // libraries present...
  machine.world.SetPlatformId(1);  // ...but a 95/98 version record
  ProcessSnapshot snapshot = MakeSnapshot();
  EXPECT_FALSE(snapshot.IsNT());
  EXPECT_EQ(machine.processes.LoadedLibraryCount(), 0u);
}

TEST_F(SnapshotTest, ToolhelpListsHighPidsAndFullPaths) {
  machine.world.UseWindows9x();
  machine.world.AddProcess(4294967291u, "C:\\WINDOWS\\SYSTEM\\KERNEL32.DLL");
  machine.world.AddProcess(2147483648u, "C:\\WINDOWS\\EXPLORER.EXE");
  machine.world.AddProcess(4293900001u, "");  // no name, no row
  ProcessSnapshot snapshot = MakeSnapshot();
  snapshot.Refresh();
  ASSERT_EQ(snapshot.Count(), 2u);
  EXPECT_EQ(snapshot.Row(0), "2147483648    EXPLORER.EXE        C:\\WINDOWS\\");
  EXPECT_EQ(RowPid(snapshot.Row(1)), 4294967291u);
  EXPECT_EQ(machine.processes.OpenHandleCount(), 0u);
}

TEST_F(SnapshotTest, ToolhelpMissingOrFailingGivesNoRowsAndLeaksNothing) {
  machine.world.UseWindows9x();
  machine.world.AddProcess(2147483700u, "C:\\A.EXE");
  machine.processes.FailToolhelpSnapshot(true);
  ProcessSnapshot snapshot = MakeSnapshot();
  snapshot.Refresh();
  EXPECT_EQ(snapshot.Count(), 0u);
  EXPECT_EQ(machine.processes.OpenHandleCount(), 0u);

  machine.processes.FailToolhelpSnapshot(false);
  machine.world.RemoveEntryPoint("KERNEL32.DLL", "Process32Next");
  snapshot.Refresh();
  EXPECT_EQ(snapshot.Count(), 0u);
}

TEST_F(SnapshotTest, WindowRowsOnlyWhileTheBoxIsChecked) {
  machine.world.AddProcess(100, "C:\\a.exe");
  machine.world.AddWindow(100, "zeta");
  machine.world.AddWindow(100, "");  // untitled: no row
  machine.world.AddWindow(100, "Alpha");
  ProcessSnapshot snapshot = MakeSnapshot();
  snapshot.Refresh();
  EXPECT_EQ(snapshot.Count(), 1u);
  titlesChecked = true;
  snapshot.Refresh();
  ASSERT_EQ(snapshot.Count(), 3u);
  EXPECT_EQ(snapshot.Row(1), "100          ^Alpha");
  EXPECT_EQ(snapshot.Row(2), "100          ^zeta");
}

TEST_F(SnapshotTest, VanishedWindowEndsTheWalk) {
  titlesChecked = true;
  machine.world.AddProcess(100, "C:\\a.exe");
  machine.world.AddWindow(100, "first");
  const WindowHandle gone = machine.world.AddWindow(100, "second");
  machine.world.AddWindow(100, "third");
  machine.world.FindWindow(gone)->gone = true;
  ProcessSnapshot snapshot = MakeSnapshot();
  snapshot.Refresh();
  ASSERT_EQ(snapshot.Count(), 2u);
  EXPECT_EQ(RowNameText(snapshot.Row(1)), "first");
}

TEST_F(SnapshotTest, TitlesAreCutAt109Characters) {
  titlesChecked = true;
  machine.world.AddWindow(100, std::string(150, 'T'));
  ProcessSnapshot snapshot = MakeSnapshot();
  snapshot.Refresh();
  ASSERT_EQ(snapshot.Count(), 1u);
  EXPECT_EQ(RowNameText(snapshot.Row(0)).size(), 109u);
}

TEST_F(SnapshotTest, RefreshAloneLeavesRowsRaw) {
  titlesChecked = true;
  machine.world.AddProcess(100, "C:\\WINDOWS\\EXPLORER.EXE");
  machine.world.AddWindow(100, "Desktop");
  ProcessSnapshot snapshot = MakeSnapshot();
  snapshot.Refresh();
  for (const std::string& row : snapshot.Rows()) EXPECT_FALSE(IsStarredRow(row)) << row;
  EXPECT_TRUE(IsRawWindowRow(snapshot.Row(1)));
}

TEST_F(SnapshotTest, DisplayStepIndentsWindowRowsBelowTheirProcessAndStarsUnsafeRows) {
  titlesChecked = true;
  machine.world.AddProcess(12, "C:\\WINNT\\Explorer.EXE");
  machine.world.AddProcess(120, "C:\\DDHELP.EXE\\tool.exe");
  machine.world.AddProcess(13, "C:\\Apps\\editor.exe");
  machine.world.AddWindow(13, "b-doc");
  machine.world.AddWindow(13, "A-doc");
  machine.world.AddWindow(12, "About EXPLORER.EXE");
  // A window whose process gave no row: it stands below the row before it.
  machine.world.AddWindow(121, "orphan");
  ProcessSnapshot snapshot = MakeSnapshot();
  snapshot.RefreshForShow();

  const std::string indent(17, ' ');
  std::string starredTitle = indent + "About EXPLORER.EXE";
  starredTitle[13] = '*';
  std::string starredTool = FormatProcessRow(120, "C:\\DDHELP.EXE\\tool.exe");
  starredTool[13] = '*';
  const std::vector<std::string> expected = {
      FormatProcessRow(12, "C:\\WINNT\\Explorer.EXE"),  // other letter case: not starred
      starredTitle,
      starredTool,
      indent + "orphan",
      FormatProcessRow(13, "C:\\Apps\\editor.exe"),
      indent + "A-doc",
      indent + "b-doc",
  };
  EXPECT_EQ(snapshot.Rows(), expected);
}

TEST_F(SnapshotTest, OwnExecutableIsStarredInTheDisplay) {
  machine.world.AddProcess(4242, "C:\\PROGRAM FILES\\QUELLMARCH.EXE");
  ProcessSnapshot snapshot = MakeSnapshot();
  snapshot.RefreshForShow();
  ASSERT_EQ(snapshot.Count(), 1u);
  EXPECT_TRUE(IsStarredRow(snapshot.Row(0)));
  EXPECT_EQ(RowPid(snapshot.Row(0)), 4242u);  // the star sits past the pid's 12 columns
}

// Every running copy of the program's own file is starred, in any letter
// case; a file of the same name elsewhere, or a title naming the file, is not.
TEST_F(SnapshotTest, EveryCopyOfTheOwnExecutableIsStarredWhateverItsLetterCase) {
  titlesChecked = true;
  machine.world.SetSelf(30, "C:\\Tools\\Quellmarch.exe");
  const std::pair<const char*, bool> running[] = {
      {"C:\\Tools\\Quellmarch.exe", true},
      {"c:\\TOOLS\\quellmarch.EXE", true},
      {"C:\\Other\\Quellmarch.exe", false},
      {"C:\\Tools\\Quellmarch.exe.bak", false},
  };
  ProcessId pid = 30;
  for (const auto& [path, starred] : running) {
    machine.world.AddProcess(pid, path);
    machine.world.AddWindow(pid++, path);
  }
  ProcessSnapshot snapshot = MakeSnapshot();
  snapshot.RefreshForShow();
  ASSERT_EQ(snapshot.Count(), 8u);
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(IsStarredRow(snapshot.Row(2 * i)), running[i].second) << running[i].first;
    EXPECT_FALSE(IsStarredRow(snapshot.Row(2 * i + 1))) << "title " << running[i].first;
  }
}

}  // namespace
}  // namespace qm
