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

INSTANTIATE_TEST_SUITE_P(BothFamilies, CpsapiTest, ::testing::Values(true, false),
                         [](const auto& family) { return family.param ? "NT" : "Win9x"; });

}  // namespace
}  // namespace qm
