#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "config/config_data.h"
#include "config/entry_list.h"
#include "engine/engine_ui.h"
#include "engine/launcher.h"
#include "engine/terminator.h"
#include "platform/clock.h"

namespace qm {

// The number of checked items of a list.
int CountChecked(const EntryList& list);

// Runs or terminates a whole check list from top to bottom with paced
// progress in the status window, and the single-entry commands that reuse the
// same pieces. Nothing is collected: the launcher and the terminator report
// their own failures and the walk goes on. An error (a rejected pattern) ends
// a command at once; the status window is hidden and the error goes on to the
// caller.
class BatchActions {
 public:
  BatchActions(Terminator& terminator, Launcher& launcher, Clock& clock, const TConfigData& config, EngineUi& ui);

  // Starts the checked program entries; unchecked ones are shown as skipped.
  void RunAll(const EntryList& list);
  // Terminates the checked process entries and writes each processed entry
  // back into its item (a learning entry may have rewritten itself).
  void TerminateAll(EntryList& list);

  // One program entry, given by its stored text ("Run Now").
  void RunOneEntry(std::string_view stored);
  // One process entry or BrowseKill row, given by its stored text, which a
  // learning entry may rewrite. One without a pattern ends nothing.
  void TerminateOneEntry(std::string& stored);
  // One item of the Options window's process list, written back afterwards.
  void TerminateOneEntry(EntryList& list, std::size_t index);

  // `Pause(n)`: n x Message_Delay milliseconds.
  void Pause(int units);

 private:
  void TerminateOne(std::string& stored, const std::function<void()>& writeBack);

  Terminator& terminator_;
  Launcher& launcher_;
  Clock& clock_;
  const TConfigData& config_;
  EngineUi& ui_;
};

}  // namespace qm
