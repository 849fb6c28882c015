#pragma once

#include <string>
#include <vector>

#include "engine/pattern_matcher.h"
#include "engine/process_snapshot.h"
#include "platform/handles.h"
#include "platform/processes.h"

namespace qm {

// One snapshot row that a pattern matches, as a toggle meets it.
struct MatchedRow {
  std::string row;        // the raw row
  std::string candidate;  // what the pattern matched: a program's full path, or a window title
  ProcessId pid = 0;      // the process, or the window's owner
  bool ownProcess = false;  // this program's own process, which the terminator passes over
  // Starred in the picker (an unsafe name, or another copy of this program);
  // a pattern that matches it ends it all the same.
  bool unsafe = false;
};

// The launcher's don't-run-if-running test has always trimmed the candidate
// and the terminator has not. The two differ only for a window title that is
// nothing but a tag ("{x}"), and each keeps its own, so a skip and an end
// decide as they always did.
enum class CandidateForm { AsTerminated, Trimmed };

// The rows of one refresh of the snapshot, matched the way the terminator's
// passes and the launcher's skip test match them. Everything that asks which
// processes a pattern names asks here, so a preview and the toggle it
// foretells can never disagree.
class FreshRows {
 public:
  // Refreshes the snapshot once (window rows are there exactly while the
  // picker's window-titles box is checked) and keeps a copy of the rows: a
  // modal message shown while they are walked may refresh it again.
  FreshRows(ProcessSnapshot& snapshot, Processes& processes);

  // The matching rows in snapshot order, this program's own among them
  // (marked): a caller that ends processes passes those over.
  std::vector<MatchedRow> Matching(const PatternMatcher& matcher,
                                   CandidateForm form = CandidateForm::AsTerminated) const;

 private:
  std::vector<std::string> rows_;
  ProcessId self_;
  std::string ownExe_;
};

}  // namespace qm
