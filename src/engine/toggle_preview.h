#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "config/entry_list.h"
#include "engine/launcher.h"
#include "engine/process_snapshot.h"
#include "engine/terminator.h"
#include "platform/processes.h"

namespace qm {

struct ProcessEntryPreview {
  std::string stored;
  EntryMatches found;
  // False below a rejected pattern: its error ends the batch there.
  bool reached = true;
};

struct ProgramEntryPreview {
  std::string stored;
  LaunchMatches found;
  bool reached = true;
};

// What the next toggle's batches would meet, from one fresh snapshot: the
// checked entries of both lists, top to bottom, as the batches take them.
struct TogglePreview {
  std::vector<ProcessEntryPreview> terminate;
  std::vector<ProgramEntryPreview> run;
};

// Foretells a toggle through the terminator's and the launcher's own
// matching steps. The snapshot is refreshed and nothing else happens: no
// close request, no wait, no end, no start, no rewritten entry, no changed
// flag.
class Previewer {
 public:
  Previewer(const Terminator& terminator, const Launcher& launcher, ProcessSnapshot& snapshot, Processes& processes)
      : terminator_(terminator), launcher_(launcher), snapshot_(snapshot), processes_(processes) {}

  TogglePreview Toggle(const EntryList& programs, const EntryList& processes) const;
  // One process entry alone, checked or not, as Terminate Now takes it.
  ProcessEntryPreview ProcessEntry(std::string_view stored) const;

 private:
  const Terminator& terminator_;
  const Launcher& launcher_;
  ProcessSnapshot& snapshot_;
  Processes& processes_;
};

}  // namespace qm
