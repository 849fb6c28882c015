#include "engine/row_matching.h"

#include "config/entry_grammar.h"
#include "engine/process_row.h"
#include "engine/unsafe_names.h"

namespace qm {

FreshRows::FreshRows(ProcessSnapshot& snapshot, Processes& processes)
    : self_(processes.CurrentProcessId()), ownExe_(processes.OwnExePath()) {
  snapshot.Refresh();
  rows_ = snapshot.Rows();
}

std::vector<MatchedRow> FreshRows::Matching(const PatternMatcher& matcher, CandidateForm form) const {
  std::vector<MatchedRow> matched;
  for (const std::string& row : rows_) {
    std::string candidate = DisplayToStored(RowNameText(row));
    if (form == CandidateForm::Trimmed) candidate = Trim(candidate);
    if (!matcher.Matches(candidate)) continue;
    const ProcessId pid = RowPid(row);
    const bool unsafe = IsUnsafeToTerminate(row) || IsOwnExecutableRow(row, ownExe_);
    matched.push_back({row, std::move(candidate), pid, pid == self_, unsafe});
  }
  return matched;
}

}  // namespace qm
