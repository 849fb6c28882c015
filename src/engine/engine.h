#pragma once

#include "config/config_data.h"
#include "engine/batch_actions.h"
#include "engine/engine_ui.h"
#include "engine/launcher.h"
#include "engine/process_snapshot.h"
#include "engine/terminator.h"
#include "engine/toggle_preview.h"
#include "platform/platform.h"

namespace qm {

// The process control engine of one instance, wired once at start-up: the
// terminator, the launcher, the batch actions and the preview of a toggle
// over the same snapshot, document and windows. Everything it is handed must outlive it.
class Engine {
 public:
  Engine(const Platform& platform, ProcessSnapshot& snapshot, const TConfigData& config, EngineUi& ui,
         WindowHandle launchOwner = 0)
      : terminator(platform, snapshot, config, ui),
        launcher(platform.shell, platform.processes, snapshot, ui, launchOwner),
        batch(terminator, launcher, platform.clock, config, ui),
        preview(terminator, launcher, snapshot, platform.processes) {}
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  Terminator terminator;
  Launcher launcher;
  BatchActions batch;
  Previewer preview;
};

}  // namespace qm
