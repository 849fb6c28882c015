// The engine's own cost: a terminate batch of 50 entries over 300 simulated
// processes. The simulated clock makes every pause and grace period instant,
// so the time measured is what the engine (and the thin simulated services
// under it) spends outside the pauses and waits.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "config/config_data.h"
#include "config/memory_entry_list.h"
#include "engine/engine.h"
#include "engine/engine_ui.h"
#include "engine/process_snapshot.h"
#include "platform/sim/sim_machine.h"

namespace {

constexpr int kProcesses = 300;
constexpr int kEntries = 50;
constexpr int kMatchingEntries = 10;  // the rest name programs that do not run

class SilentUi final : public qm::EngineUi {
 public:
  void SetStatusText(const std::string& text) override { benchmark::DoNotOptimize(text.data()); }
  void SetProgress(int) override {}
  void ShowStatus() override {}
  void HideStatus() override {}
  void ShowError(const std::string&) override {}
  void MarkConfigChanged() override {}
  void WindowToConfig() override {}
};

struct World {
  World() {
    for (int i = 0; i < kProcesses; ++i) {
      const std::string n = std::to_string(i);
      const auto pid = static_cast<qm::ProcessId>(1000 + 4 * i);
      qm::sim::SimProcess& p =
          machine.world.AddProcess(pid, "C:\\Program Files\\Vendor " + n + "\\program" + n + ".exe");
      // Some need force; the harsh mode lets them go after its grace period.
      if (i % 3 == 0) p.onClose = qm::sim::CloseAnswer::Ignore;
      machine.world.AddWindow(pid, "Program " + n);
    }
    for (int e = 0; e < kEntries; ++e) {
      const int target = e < kMatchingEntries ? e * 7 : kProcesses + e;
      const char* mode = e % 4 == 0 ? " {harsh}" : e % 4 == 1 ? " {learn}" : e % 4 == 2 ? " {polite}" : "";
      terminate.AppendStored("*\\PROGRAM" + std::to_string(target) + ".EXE" + mode, true);
    }
  }

  qm::sim::SimMachine machine;
  qm::MemoryEntryList run;
  qm::MemoryEntryList terminate;
  qm::TConfigData config{run, terminate};
  SilentUi ui;
  qm::ProcessSnapshot snapshot{machine.processes, machine.windows};
  qm::Engine engine{machine.platform(), snapshot, config, ui};
};

void BM_TerminateBatch(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto world = std::make_unique<World>();
    state.ResumeTiming();
    world->engine.batch.TerminateAll(world->terminate);
    state.PauseTiming();
    world.reset();
    state.ResumeTiming();
  }
  state.counters["entries"] = kEntries;
  state.counters["processes"] = kProcesses;
  // Seconds of real time per entry, printed in the counter column.
  state.counters["per_entry"] =
      benchmark::Counter(static_cast<double>(kEntries), benchmark::Counter::kIsIterationInvariantRate |
                                                            benchmark::Counter::kInvert);
}
BENCHMARK(BM_TerminateBatch)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

// The snapshot's share of the batch: four refreshes per entry of the same
// simulated machine, which the batch above includes.
void BM_SnapshotRefreshesOfABatch(benchmark::State& state) {
  World world;
  for (auto _ : state) {
    for (int i = 0; i < 4 * kEntries; ++i) world.snapshot.Refresh();
  }
  state.counters["per_entry"] =
      benchmark::Counter(static_cast<double>(kEntries), benchmark::Counter::kIsIterationInvariantRate |
                                                            benchmark::Counter::kInvert);
}
BENCHMARK(BM_SnapshotRefreshesOfABatch)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

}  // namespace
