#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/engine_ui.h"
#include "engine/process_snapshot.h"
#include "engine/row_matching.h"
#include "platform/handles.h"
#include "platform/processes.h"
#include "platform/shell.h"

namespace qm {

// What one program entry would meet in a snapshot.
struct LaunchMatches {
  std::string path;
  bool screenSaver = false;  // switches the screen saver on
  std::string skipPattern;   // the don't-run-if-running pattern; empty for none
  std::string error;         // a rejected skip pattern: the error a toggle stops with
  std::vector<MatchedRow> running;  // rows the skip pattern matches: the start is skipped
};

// Starts what one program entry names through the shell's "open" action,
// unless the entry's don't-run-if-running pattern matches a running process.
class Launcher {
 public:
  // `owner` is the window the shell's open action belongs to (the tray
  // controller's); it may be set later, before the first launch.
  Launcher(Shell& shell, Processes& processes, ProcessSnapshot& snapshot, EngineUi& ui, WindowHandle owner = 0);

  void SetOwnerWindow(WindowHandle owner) { owner_ = owner; }

  // False when the start was skipped; true otherwise, also when the open
  // action failed (its result is not examined). The entry "screensaver" (any
  // letter case) switches the screen saver on instead of starting anything.
  // A rejected don't-run-if-running pattern throws AppError before anything
  // starts.
  bool LaunchEntry(std::string_view stored);

  // Whether some row of a fresh snapshot matches `pattern`. This program's
  // own process counts: it runs.
  bool IsAnyProcessMatching(std::string_view pattern);

  // What LaunchEntry would meet in `rows`, through the same matching step
  // as its skip test; it starts and switches nothing.
  LaunchMatches MatchEntry(std::string_view stored, const FreshRows& rows) const;

 private:
  Shell& shell_;
  Processes& processes_;
  ProcessSnapshot& snapshot_;
  EngineUi& ui_;
  WindowHandle owner_;
};

}  // namespace qm
