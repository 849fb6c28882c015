#include "engine/launcher.h"

#include "config/entry_grammar.h"
#include "config/entry_specs.h"
#include "engine/pattern_matcher.h"
#include "engine/process_row.h"
#include "engine/screen_saver_entry.h"

namespace qm {

Launcher::Launcher(Shell& shell, ProcessSnapshot& snapshot, EngineUi& ui, WindowHandle owner)
    : shell_(shell), snapshot_(snapshot), ui_(ui), owner_(owner) {}

bool Launcher::LaunchEntry(std::string_view stored) {
  const ProgramSpec spec = ParseProgramEntry(stored);
  if (!spec.SkipIfRunning.empty() && IsAnyProcessMatching(spec.SkipIfRunning)) {
    ui_.SetStatusText("Skipping " + Abbreviate(spec.Path, 76));
    return false;
  }
  ui_.SetStatusText("Starting " + Abbreviate(spec.Path, 76));
  if (IsScreenSaverEntry(spec.Path)) {
    shell_.SetScreenSaveActive(true);
    return true;
  }
  shell_.Execute(owner_, "open", spec.Path, spec.Arguments, spec.Directory, spec.ShowCommand);
  return true;
}

bool Launcher::IsAnyProcessMatching(std::string_view pattern) {
  const PatternMatcher matcher(pattern);
  snapshot_.Refresh();
  for (const std::string& row : snapshot_.Rows()) {
    if (matcher.Matches(Trim(DisplayToStored(RowNameText(row))))) return true;
  }
  return false;
}

}  // namespace qm
