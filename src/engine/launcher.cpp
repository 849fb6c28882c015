#include "engine/launcher.h"

#include "config/app_error.h"
#include "config/entry_grammar.h"
#include "config/entry_specs.h"
#include "engine/pattern_matcher.h"
#include "engine/screen_saver_entry.h"

namespace qm {

Launcher::Launcher(Shell& shell, Processes& processes, ProcessSnapshot& snapshot, EngineUi& ui, WindowHandle owner)
    : shell_(shell), processes_(processes), snapshot_(snapshot), ui_(ui), owner_(owner) {}

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
  return !FreshRows(snapshot_, processes_).Matching(matcher, CandidateForm::Trimmed).empty();
}

LaunchMatches Launcher::MatchEntry(std::string_view stored, const FreshRows& rows) const {
  const ProgramSpec spec = ParseProgramEntry(stored);
  LaunchMatches found;
  found.path = spec.Path;
  found.screenSaver = IsScreenSaverEntry(spec.Path);
  found.skipPattern = spec.SkipIfRunning;
  if (spec.SkipIfRunning.empty()) return found;
  try {
    found.running = rows.Matching(PatternMatcher(spec.SkipIfRunning), CandidateForm::Trimmed);
  } catch (const AppError& error) {
    found.error = error.what();
  }
  return found;
}

}  // namespace qm
