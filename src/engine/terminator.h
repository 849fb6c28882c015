#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "config/config_data.h"
#include "config/entry_specs.h"
#include "engine/engine_ui.h"
#include "engine/process_snapshot.h"
#include "engine/row_matching.h"
#include "platform/platform.h"

namespace qm {

// Results of ending one process (`CloseOrKillProcess`).
inline constexpr int kStillRunning = 0;  // grace period over; force forbidden or failed
inline constexpr int kEndedByItself = 1;
inline constexpr int kEndedByForce = 2;
inline constexpr int kCannotOpen = 4;  // gone already, or no right to end it
// Result of an entry when no row matched in any pass.
inline constexpr int kNothingMatched = 9;

// Grace periods after the close request, in milliseconds.
inline constexpr std::uint32_t kLearnGraceMs = 20000;
inline constexpr std::uint32_t kHarshGraceMs = 500;
inline constexpr std::uint32_t kPoliteGraceMs = 100;
inline constexpr std::uint32_t kNormalGraceMs = 15000;

inline constexpr int kTerminatePasses = 4;

// The mode an entry's flags choose: learning over harsh over polite.
TerminationMode ChooseMode(bool harsh, bool polite, bool learn);

// What one process entry would meet in a snapshot.
struct EntryMatches {
  TerminationMode mode = TerminationMode::Normal;
  bool screenSaver = false;  // switches the screen saver off and ends nothing
  std::string error;         // a rejected pattern: the error a toggle stops with
  std::vector<MatchedRow> matches;  // this program's own process among them, marked
};

// Ends the running processes that one process entry names, in the entry's
// mode: normal, harsh, polite or learning. Every wait and pause blocks the
// calling (user-interface) thread.
//
// This program's own process is never ended, whatever the pattern: its rows
// are passed over as if they did not match, so "*" cannot end the instance in
// the middle of a batch and lose unsaved changes.
class Terminator {
 public:
  Terminator(const Platform& platform, ProcessSnapshot& snapshot, const TConfigData& config, EngineUi& ui);

  // Parses the entry and ends what it names; a learning entry that learned
  // its mode rewrites `stored` in place and marks the configuration changed.
  // The entry "screensaver" (any letter case) switches the screen saver off
  // instead. A pattern the matcher rejects throws AppError before any pass.
  void TerminateEntry(std::string& stored);

  // What TerminateEntry would meet in `rows`, through the same matching
  // step as its passes; it posts, opens, waits for, ends and rewrites
  // nothing.
  EntryMatches MatchEntry(std::string_view stored, const FreshRows& rows) const;

  // Four passes over fresh snapshots; the entry result (kNothingMatched or a
  // result of CloseOrKillProcess).
  int TerminateMatching(std::string_view pattern, bool harsh, bool polite, bool learn);

  // Posts a close request to each top-level window of `pid`, waits up to
  // `graceMs` and then, unless `noForce`, ends it by force.
  int CloseOrKillProcess(ProcessId pid, std::uint32_t graceMs, bool noForce);

 private:
  Processes& processes_;
  TopWindows& windows_;
  Shell& shell_;
  Clock& clock_;
  ProcessSnapshot& snapshot_;
  const TConfigData& config_;
  EngineUi& ui_;
};

}  // namespace qm
