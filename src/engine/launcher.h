#pragma once

#include <string_view>

#include "engine/engine_ui.h"
#include "engine/process_snapshot.h"
#include "platform/handles.h"
#include "platform/shell.h"

namespace qm {

// Starts what one program entry names through the shell's "open" action,
// unless the entry's don't-run-if-running pattern matches a running process.
class Launcher {
 public:
  // `owner` is the window the shell's open action belongs to (the tray
  // controller's); it may be set later, before the first launch.
  Launcher(Shell& shell, ProcessSnapshot& snapshot, EngineUi& ui, WindowHandle owner = 0);

  void SetOwnerWindow(WindowHandle owner) { owner_ = owner; }

  // False when the start was skipped; true otherwise, also when the open
  // action failed (its result is not examined). The entry "screensaver" (any
  // letter case) switches the screen saver on instead of starting anything.
  // A rejected don't-run-if-running pattern throws AppError before anything
  // starts.
  bool LaunchEntry(std::string_view stored);

  // Whether some row of a fresh snapshot matches `pattern`.
  bool IsAnyProcessMatching(std::string_view pattern);

 private:
  Shell& shell_;
  ProcessSnapshot& snapshot_;
  EngineUi& ui_;
  WindowHandle owner_;
};

}  // namespace qm
