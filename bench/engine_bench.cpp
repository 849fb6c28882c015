// The engine's own cost: a terminate batch of 50 entries over 300 simulated
// processes. The simulated clock makes every pause and grace period instant,
// so the time measured is what the engine (and the thin simulated services
// under it) spends outside the pauses and waits.
#include <benchmark/benchmark.h>

#include <chrono>
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

// Prints the real time per entry of the whole batch, of the four snapshot
// refreshes per entry it contains (timed again right after it, on the same
// machine), and the difference: the engine's own share.
void BM_TerminateBatch(benchmark::State& state) {
  using Clock = std::chrono::steady_clock;
  double batchNs = 0;
  double refreshNs = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto world = std::make_unique<World>();
    state.ResumeTiming();
    const auto start = Clock::now();
    world->engine.batch.TerminateAll(world->terminate);
    const auto middle = Clock::now();
    state.PauseTiming();
    for (int i = 0; i < 4 * kEntries; ++i) world->snapshot.Refresh();
    const auto end = Clock::now();
    world.reset();
    state.ResumeTiming();
    batchNs += std::chrono::duration<double, std::nano>(middle - start).count();
    refreshNs += std::chrono::duration<double, std::nano>(end - middle).count();
  }
  const double entries = static_cast<double>(state.iterations()) * kEntries;
  state.counters["us_per_entry"] = batchNs / entries / 1000;
  state.counters["us_snapshot"] = refreshNs / entries / 1000;
  state.counters["us_engine"] = (batchNs - refreshNs) / entries / 1000;
}
BENCHMARK(BM_TerminateBatch)->Unit(benchmark::kMillisecond);

}  // namespace
