#pragma once

#include "platform/platform.h"
#include "platform/sim/sim_clock.h"
#include "platform/sim/sim_files.h"
#include "platform/sim/sim_processes.h"
#include "platform/sim/sim_recorders.h"
#include "platform/sim/sim_registry.h"
#include "platform/sim/sim_windows.h"
#include "platform/sim/sim_world.h"

namespace qm::sim {

// A whole simulated Windows machine: set it up through `world` and the
// services' test hooks, hand `platform()` to the code under test.
class SimMachine {
 public:
  SimMachine() = default;
  SimMachine(const SimMachine&) = delete;
  SimMachine& operator=(const SimMachine&) = delete;

  Platform platform() { return Platform{processes, windows, shell, registry, files, tray, help, clock}; }

  SimWorld world;
  SimProcesses processes{world};
  SimWindows windows{world};
  SimClock clock{world};
  SimShell shell;
  SimRegistry registry;
  SimFiles files;
  SimTray tray;
  SimHelp help;
};

}  // namespace qm::sim
