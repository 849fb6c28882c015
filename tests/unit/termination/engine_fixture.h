#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "config/config_data.h"
#include "config/memory_entry_list.h"
#include "engine/engine.h"
#include "engine/engine_ui.h"
#include "engine/process_snapshot.h"
#include "platform/sim/sim_machine.h"

namespace qm::testing {

// Records every request of the engine, in order, as one readable line each.
class RecordingUi final : public EngineUi {
 public:
  void SetStatusText(const std::string& text) override {
    if (throwOnStatus) throw std::runtime_error("status window gone");
    log.push_back("status " + text);
  }
  void SetProgress(int percent) override { log.push_back("progress " + std::to_string(percent)); }
  void ShowStatus() override { log.push_back("show"); }
  void HideStatus() override { log.push_back("hide"); }
  void ShowError(const std::string& message) override {
    log.push_back("error " + message);
    if (onError) onError();
  }
  void MarkConfigChanged() override { log.push_back("changed"); }
  void WindowToConfig() override {
    log.push_back("window to config");
    if (onWindowToConfig) onWindowToConfig();
  }

  std::vector<std::string> Only(const std::string& prefix) const {
    std::vector<std::string> picked;
    for (const std::string& line : log) {
      if (line.rfind(prefix, 0) == 0) picked.push_back(line);
    }
    return picked;
  }

  std::vector<std::string> log;
  bool throwOnStatus = false;
  std::function<void()> onWindowToConfig;
  std::function<void()> onError;  // runs while the modal message is "open"
};

inline constexpr WindowHandle kTrayWindow = 0x5150;
inline constexpr std::uint32_t kDelay = 100;  // Message_Delay of every test

// A simulated machine, a document and the engine over them. Time is the
// virtual clock's: a test reads how long an operation took from it.
class EngineTest : public ::testing::Test {
 protected:
  EngineTest() { config.Message_Delay = kDelay; }

  sim::SimProcess& Run(ProcessId pid, const std::string& path, sim::CloseAnswer onClose = sim::CloseAnswer::ExitAtOnce) {
    sim::SimProcess& process = machine.world.AddProcess(pid, path);
    process.onClose = onClose;
    machine.world.AddWindow(pid, "window of " + std::to_string(pid));
    return process;
  }
  bool Running(ProcessId pid) { return machine.world.FindLive(pid) != nullptr; }
  std::uint64_t Now() const { return machine.world.Now(); }

  sim::SimMachine machine;
  MemoryEntryList runList;
  MemoryEntryList terminateList;
  TConfigData config{runList, terminateList};
  RecordingUi ui;
  bool windowTitles = false;
  ProcessSnapshot snapshot{machine.processes, machine.windows, [this] { return windowTitles; }};
  Engine engine{machine.platform(), snapshot, config, ui, kTrayWindow};
};

}  // namespace qm::testing
