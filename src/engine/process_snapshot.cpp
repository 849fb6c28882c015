#include "engine/process_snapshot.h"

#include "engine/process_row.h"
#include "engine/unsafe_names.h"

namespace qm {

ProcessSnapshot::ProcessSnapshot(Processes& processes, TopWindows& windows,
                                 std::function<bool()> windowTitlesChecked)
    : processes_(processes), windows_(windows), enumerator_(processes), windowTitlesChecked_(std::move(windowTitlesChecked)) {}

void ProcessSnapshot::Refresh() {
  ++refreshes_;
  rows_.Clear();
  enumerator_.FillList(rows_);  // a failed listing leaves only the window rows
  if (windowTitlesChecked_ && windowTitlesChecked_()) {
    windows_.EnumWindows([this](WindowHandle window) { return AddWindowRow(window); });
  }
}

bool ProcessSnapshot::AddWindowRow(WindowHandle window) {
  if (window == 0) return false;
  const ProcessId owner = windows_.GetWindowThreadProcessId(window);
  // A window that went away mid-walk ends it: the rest of the z-order is no
  // longer trustworthy.
  if (owner == 0) return false;
  const std::string title = windows_.GetWindowTextA(window, kWindowTitleBuffer);
  if (!title.empty()) rows_.Add(FormatWindowRow(owner, title));
  return true;
}

void ProcessSnapshot::RefreshForShow() {
  Refresh();
  const std::string ownExe = processes_.OwnExePath();
  for (std::size_t i = 0; i < rows_.Count(); ++i) {
    std::string row = rows_[i];
    bool changed = false;
    if (IsRawWindowRow(row)) {
      row = DisplayWindowRow(row);
      changed = true;
    }
    if (IsUnsafeToTerminate(row) || IsOwnExecutableRow(row, ownExe)) {
      row[kRowMarkColumn] = '*';
      changed = true;
    }
    if (changed) rows_.Replace(i, std::move(row));
  }
}

}  // namespace qm
