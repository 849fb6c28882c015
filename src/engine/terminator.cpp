#include "engine/terminator.h"

#include <exception>

#include "config/app_error.h"
#include "config/entry_grammar.h"
#include "config/entry_specs.h"
#include "engine/pattern_matcher.h"
#include "engine/pause.h"
#include "engine/process_row.h"
#include "engine/row_matching.h"
#include "engine/screen_saver_entry.h"

namespace qm {

namespace {

using Mode = TerminationMode;

std::uint32_t GracePeriod(Mode mode) {
  switch (mode) {
    case Mode::Learn:
      return kLearnGraceMs;
    case Mode::Harsh:
      return kHarshGraceMs;
    case Mode::Polite:
      return kPoliteGraceMs;
    case Mode::Normal:
      break;
  }
  return kNormalGraceMs;
}

bool ReplaceFirst(std::string& text, std::string_view what, std::string_view with) {
  const std::size_t at = text.find(what);
  if (at == std::string::npos) return false;
  text.replace(at, what.size(), with);
  return true;
}

// Closes the process handle however the code between leaves.
class ProcessHandle {
 public:
  ProcessHandle(Processes& processes, ObjectHandle handle) : processes_(processes), handle_(handle) {}
  ~ProcessHandle() {
    if (handle_ != 0) processes_.CloseHandle(handle_);
  }
  ProcessHandle(const ProcessHandle&) = delete;
  ProcessHandle& operator=(const ProcessHandle&) = delete;
  ObjectHandle get() const { return handle_; }

 private:
  Processes& processes_;
  ObjectHandle handle_;
};

}  // namespace

TerminationMode ChooseMode(bool harsh, bool polite, bool learn) {
  if (learn) return Mode::Learn;
  if (harsh) return Mode::Harsh;
  if (polite) return Mode::Polite;
  return Mode::Normal;
}

Terminator::Terminator(const Platform& platform, ProcessSnapshot& snapshot, const TConfigData& config, EngineUi& ui)
    : processes_(platform.processes),
      windows_(platform.windows),
      shell_(platform.shell),
      clock_(platform.clock),
      snapshot_(snapshot),
      config_(config),
      ui_(ui) {}

void Terminator::TerminateEntry(std::string& stored) {
  const ProcessSpec spec = ParseProcessEntry(stored);
  if (IsScreenSaverEntry(spec.Pattern)) {
    shell_.SetScreenSaveActive(false);
    return;
  }
  const int result = TerminateMatching(spec.Pattern, spec.Harsh, spec.Polite, spec.Learn);
  if (!spec.Learn) return;
  if (result == kEndedByItself) {
    ReplaceFirst(stored, " {learn}", "");
    ui_.MarkConfigChanged();
  } else if (result == kEndedByForce) {
    ReplaceFirst(stored, "{learn}", "{harsh}");
    ui_.MarkConfigChanged();
  }
}

EntryMatches Terminator::MatchEntry(std::string_view stored, const FreshRows& rows) const {
  const ProcessSpec spec = ParseProcessEntry(stored);
  EntryMatches found;
  found.mode = ChooseMode(spec.Harsh, spec.Polite, spec.Learn);
  if (IsScreenSaverEntry(spec.Pattern)) {
    found.screenSaver = true;
    return found;
  }
  try {
    found.matches = rows.Matching(PatternMatcher(spec.Pattern));
  } catch (const AppError& error) {
    found.error = error.what();
  }
  return found;
}

int Terminator::TerminateMatching(std::string_view pattern, bool harsh, bool polite, bool learn) {
  const PatternMatcher matcher(pattern);  // a rejected pattern leaves before any pass
  const Mode mode = ChooseMode(harsh, polite, learn);
  const std::uint32_t grace = GracePeriod(mode);
  const bool noForce = mode == Mode::Polite;
  int finalResult = kNothingMatched;
  int r = kNothingMatched;
  try {
    for (int pass = 1; pass <= kTerminatePasses; ++pass) {
      bool found = false;
      for (const MatchedRow& match : FreshRows(snapshot_, processes_).Matching(matcher)) {
        if (match.ownProcess) continue;
        found = true;
        const std::string& candidate = match.candidate;
        const ProcessId pid = match.pid;
        if (mode == Mode::Learn) {
          ui_.SetStatusText("Terminating " + Abbreviate(candidate, 46) + " in Learn Mode (be patient)");
        } else {
          ui_.SetStatusText("Terminating " + Abbreviate(candidate, 73));
        }
        r = CloseOrKillProcess(pid, grace, noForce);
        if (pass == 1) {
          if (mode != Mode::Learn) {
            Pause(clock_, config_, 2);
          } else if (r != kEndedByItself) {
            Pause(clock_, config_, 5);
          }
        }
        if (r == kCannotOpen) {
          if (pass == kTerminatePasses) {
            r = kStillRunning;
            finalResult = kStillRunning;
          } else {
            r = kEndedByForce;  // taken as gone
          }
        }
        if (r == kStillRunning && mode != Mode::Polite && !config_.Hide_errors) {
          ui_.ShowError("Error: could not terminate '" + candidate + "' (pid #" + PidText(pid) + ").");
        }
      }
      // A pass that found nothing to end waited for nothing, so the next one
      // would list the processes again moments later and find the same.
      if (!found) break;
    }
  } catch (const std::exception&) {
    if (!config_.Hide_errors) ui_.ShowError("Error: exception trying to terminate process.");
    return finalResult;
  }
  if (finalResult == kNothingMatched) finalResult = r;
  return finalResult;
}

int Terminator::CloseOrKillProcess(ProcessId pid, std::uint32_t graceMs, bool noForce) {
  const ProcessHandle process(processes_, processes_.OpenProcess(kProcessSyncAndTerminate, pid));
  if (process.get() == 0) return kCannotOpen;
  windows_.EnumWindows([&](WindowHandle window) {
    if (windows_.GetWindowThreadProcessId(window) == pid) windows_.PostCloseMessage(window);
    return true;
  });
  if (processes_.WaitForSingleObject(process.get(), graceMs) == WaitResult::Signaled) return kEndedByItself;
  if (noForce) return kStillRunning;
  return processes_.TerminateProcess(process.get(), 0) ? kEndedByForce : kStillRunning;
}

}  // namespace qm
