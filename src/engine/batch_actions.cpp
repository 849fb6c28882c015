#include "engine/batch_actions.h"

#include <exception>

#include "config/entry_grammar.h"
#include "config/entry_specs.h"
#include "engine/pause.h"

namespace qm {

namespace {

// (i + 1) x 100 / n in floating point, truncated.
int ProgressAfter(std::size_t index, std::size_t count) {
  return static_cast<int>(static_cast<double>(index + 1) * 100.0 / static_cast<double>(count));
}

// Whether item `index` still holds the entry that was read from it. A modal
// message (the terminator's error, or the shell's own when a start fails)
// runs a message loop, and the Options window stays usable meanwhile, so the
// list may have changed under the walk.
bool StillHolds(const EntryList& list, std::size_t index, const std::string& stored) {
  return index < list.Count() && list.StoredText(index) == stored;
}

// Hides the status window when an error ends a command, so it is not left on
// screen; the error itself goes on to the command's caller.
class StatusHiddenOnError {
 public:
  explicit StatusHiddenOnError(EngineUi& ui) : ui_(ui), errors_(std::uncaught_exceptions()) {}
  ~StatusHiddenOnError() {
    if (std::uncaught_exceptions() > errors_) ui_.HideStatus();
  }
  StatusHiddenOnError(const StatusHiddenOnError&) = delete;
  StatusHiddenOnError& operator=(const StatusHiddenOnError&) = delete;

 private:
  EngineUi& ui_;
  int errors_;
};

}  // namespace

int CountChecked(const EntryList& list) {
  int checked = 0;
  for (std::size_t i = 0; i < list.Count(); ++i) {
    if (list.Checked(i)) ++checked;
  }
  return checked;
}

BatchActions::BatchActions(Terminator& terminator, Launcher& launcher, Clock& clock, const TConfigData& config,
                           EngineUi& ui)
    : terminator_(terminator), launcher_(launcher), clock_(clock), config_(config), ui_(ui) {}

void BatchActions::Pause(int units) { qm::Pause(clock_, config_, units); }

// Items are read by their stored text, not by converting the display text
// back: the list keeps both because the conversion is lossy for long names.
// A walk ends early when its list changed under it (see StillHolds): an item
// is written back only into the item it was read from, and no item is
// skipped or taken twice.

void BatchActions::RunAll(const EntryList& list) {
  const StatusHiddenOnError hideOnError(ui_);
  ui_.WindowToConfig();
  ui_.SetProgress(1);
  ui_.SetStatusText("");
  ui_.ShowStatus();
  const std::size_t n = list.Count();
  for (std::size_t i = 0; i < n; ++i) {
    const std::string stored = list.StoredText(i);
    const int p = ProgressAfter(i, n);
    ui_.SetProgress(p);
    if (list.Checked(i)) {
      launcher_.LaunchEntry(stored);
    } else {
      ui_.SetStatusText("Skipping " + Abbreviate(stored, 76));
    }
    ui_.SetProgress(p);
    Pause(5);
    ui_.SetProgress(p);
    if (list.Count() != n || !StillHolds(list, i, stored)) break;
  }
  Pause(3);
  ui_.HideStatus();
}

void BatchActions::TerminateAll(EntryList& list) {
  const StatusHiddenOnError hideOnError(ui_);
  ui_.WindowToConfig();
  ui_.SetProgress(0);
  ui_.SetStatusText("");
  ui_.ShowStatus();
  ui_.SetStatusText("");
  ui_.SetProgress(1);
  int q = 0;
  const std::size_t n = list.Count();
  for (std::size_t i = 0; i < n; ++i) {
    const bool checked = list.Checked(i);
    const std::string prefix = checked ? "Searching for " : "Skipping ";
    const std::string read = list.StoredText(i);
    if (read.empty()) continue;
    // The line never exceeds 85 characters.
    ui_.SetStatusText(prefix + Abbreviate(read, 85 - static_cast<int>(prefix.size())));
    ui_.SetProgress(q);
    Pause(3);
    if (checked) {
      std::string stored = read;
      terminator_.TerminateEntry(stored);
      if (!StillHolds(list, i, read)) break;
      list.SetStored(i, stored);
    }
    q = ProgressAfter(i, n);
    ui_.SetProgress(q);
    if (list.Count() != n) break;
  }
  Pause(3);
  ui_.HideStatus();
}

void BatchActions::RunOneEntry(std::string_view stored) {
  const StatusHiddenOnError hideOnError(ui_);
  ui_.SetProgress(50);
  ui_.SetStatusText("Runnning " + Abbreviate(stored, 76));
  ui_.ShowStatus();
  launcher_.LaunchEntry(stored);
  Pause(1);
  ui_.SetProgress(75);
  Pause(2);
  ui_.SetProgress(100);
  Pause(2);
  ui_.HideStatus();
}

void BatchActions::TerminateOneEntry(std::string& stored) { TerminateOne(stored, {}); }

void BatchActions::TerminateOneEntry(EntryList& list, std::size_t index) {
  const std::string read = list.StoredText(index);
  std::string stored = read;
  TerminateOne(stored, [&] {
    if (StillHolds(list, index, read)) list.SetStored(index, stored);
  });
}

void BatchActions::TerminateOne(std::string& stored, const std::function<void()>& writeBack) {
  const StatusHiddenOnError hideOnError(ui_);
  ui_.ShowStatus();
  ui_.SetProgress(50);
  ui_.SetStatusText("Searching for " + Abbreviate(stored, 71));
  Pause(1);
  // An entry without a pattern (BrowseKill's blank separator row) names
  // nothing; left to the matcher, it would end every process whose window
  // title is blank.
  if (!ParseProcessEntry(stored).Pattern.empty()) terminator_.TerminateEntry(stored);
  if (writeBack) writeBack();
  ui_.SetProgress(75);
  Pause(2);
  ui_.SetProgress(100);
  Pause(2);
  ui_.HideStatus();
}

}  // namespace qm
