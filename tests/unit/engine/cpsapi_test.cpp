#include "engine/cpsapi.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "engine/process_row.h"
#include "platform/sim/sim_machine.h"

namespace qm {
namespace {

// Records every process and stops the walk after `limit` of them.
class StoppingEnumerator : public CPSAPI {
 public:
  StoppingEnumerator(Processes& processes, std::size_t limit) : CPSAPI(processes), limit_(limit) {}
  std::vector<std::pair<std::string, ProcessId>> seen;

 protected:
  bool OnProcess(const std::string& fileName, ProcessId pid) override {
    seen.emplace_back(fileName, pid);
    return seen.size() < limit_;
  }

 private:
  std::size_t limit_;
};

class CpsapiTest : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    if (!GetParam()) machine.world.UseWindows9x();
    for (ProcessId pid : {100u, 200u, 300u, 400u}) machine.world.AddProcess(pid, "C:\\p" + std::to_string(pid) + ".exe");
  }
  sim::SimMachine machine;
};

TEST_P(CpsapiTest, AFalseFromOnProcessStopsTheWalkWithoutLeakingHandles) {
  StoppingEnumerator enumerator(machine.processes, 2);
  EXPECT_TRUE(enumerator.Enumerate());
  ASSERT_EQ(enumerator.seen.size(), 2u);
  EXPECT_EQ(enumerator.seen[0], (std::pair<std::string, ProcessId>{"C:\\p100.exe", 100}));
  EXPECT_EQ(enumerator.seen[1].second, 200u);
  EXPECT_EQ(machine.processes.OpenHandleCount(), 0u);
}

TEST_P(CpsapiTest, BaseEnumeratorVisitsEveryProcess) {
  CPSAPI enumerator(machine.processes);
  EXPECT_EQ(enumerator.IsNT(), GetParam());
  EXPECT_TRUE(enumerator.Enumerate());
  EXPECT_EQ(machine.processes.OpenHandleCount(), 0u);
}

TEST_P(CpsapiTest, FileNamesAreCutAt259Characters) {
  const std::string longPath = "C:\\" + std::string(300, 'd') + "\\x.exe";
  machine.world.AddProcess(500, longPath);
  SortedRows rows;
  ListBoxPS enumerator(machine.processes);
  EXPECT_TRUE(enumerator.FillList(rows));
  ASSERT_EQ(rows.Count(), 5u);
  const std::string& row = rows[4];
  EXPECT_EQ(RowPid(row), 500u);
  // Cut inside the folder name, which the split then takes for the file name.
  EXPECT_EQ(RowNameText(row), std::string(256, 'd') + " C:\\");
  EXPECT_LE(row.size(), kRowPidWidth + kRowFileNameWidth + 1 + 259);
}

// A 32-bit program on 64-bit Windows cannot list a 64-bit process's modules.
// Which systems still give it a row, read by the image-name call.
TEST(CpsapiAcrossTheBitLine, AProcessWhoseModulesCannotBeListedIsReadByItsImageName) {
  enum class System { Win9x, Nt2000, VistaOrLater };
  struct Case {
    System system;
    bool imageNameReadable;
    bool listed;
  };
  const Case cases[] = {
      {System::VistaOrLater, true, true},
      {System::VistaOrLater, false, false},  // both routes fail: skipped as before
      {System::Nt2000, true, false},         // no QueryFullProcessImageNameA: the listing is unchanged
      {System::Win9x, true, true},           // Toolhelp never asks for modules
  };
  for (const Case& c : cases) {
    sim::SimMachine machine;
    if (c.system == System::Win9x) machine.world.UseWindows9x();
    if (c.system == System::VistaOrLater) machine.world.UseWindowsVistaOrLater();
    machine.world.AddProcess(100, "C:\\Windows\\SysWOW64\\start.exe");
    sim::SimProcess& wide = machine.world.AddProcess(200, "C:\\Program Files\\Wide\\wide.exe");
    wide.modulesListable = false;
    wide.imageNameReadable = c.imageNameReadable;

    SortedRows rows;
    ListBoxPS enumerator(machine.processes);
    EXPECT_TRUE(enumerator.FillList(rows));
    const std::string expected = FormatProcessRow(200, "C:\\Program Files\\Wide\\wide.exe");
    const bool listed = rows.Count() == 2 && rows[1] == expected;
    EXPECT_EQ(listed, c.listed) << "system " << static_cast<int>(c.system) << ", image name readable "
                                << c.imageNameReadable;
    EXPECT_EQ(rows[0], FormatProcessRow(100, "C:\\Windows\\SysWOW64\\start.exe"));
    EXPECT_EQ(machine.processes.OpenHandleCount(), 0u);
  }
}

INSTANTIATE_TEST_SUITE_P(BothFamilies, CpsapiTest, ::testing::Values(true, false),
                         [](const auto& family) { return family.param ? "NT" : "Win9x"; });

}  // namespace
}  // namespace qm
