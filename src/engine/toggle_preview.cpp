#include "engine/toggle_preview.h"

#include "config/entry_specs.h"
#include "engine/row_matching.h"

namespace qm {

TogglePreview Previewer::Toggle(const EntryList& programs, const EntryList& processes) const {
  const FreshRows rows(snapshot_, processes_);
  TogglePreview preview;
  bool reached = true;
  for (std::size_t i = 0; i < processes.Count(); ++i) {
    const std::string stored = processes.StoredText(i);
    // The batch passes over an empty line without a word.
    if (!processes.Checked(i) || stored.empty()) continue;
    ProcessEntryPreview& entry = preview.terminate.emplace_back();
    entry = {stored, terminator_.MatchEntry(stored, rows), reached};
    if (!reached) entry.found.matches.clear();
    if (!entry.found.error.empty()) reached = false;
  }
  reached = true;
  for (std::size_t i = 0; i < programs.Count(); ++i) {
    if (!programs.Checked(i)) continue;
    const std::string stored = programs.StoredText(i);
    ProgramEntryPreview& entry = preview.run.emplace_back();
    entry = {stored, launcher_.MatchEntry(stored, rows), reached};
    if (!reached) entry.found.running.clear();
    if (!entry.found.error.empty()) reached = false;
  }
  return preview;
}

ProcessEntryPreview Previewer::ProcessEntry(std::string_view stored) const {
  ProcessEntryPreview entry{std::string(stored), terminator_.MatchEntry(stored, FreshRows(snapshot_, processes_))};
  // Terminate Now leaves an entry without a pattern alone.
  if (ParseProcessEntry(stored).Pattern.empty()) entry.found.matches.clear();
  return entry;
}

}  // namespace qm
