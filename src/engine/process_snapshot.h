#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "engine/cpsapi.h"
#include "engine/sorted_rows.h"
#include "platform/processes.h"
#include "platform/top_windows.h"

namespace qm {

// GetWindowTextA's buffer for a title: 109 characters and the terminator.
inline constexpr std::size_t kWindowTitleBuffer = 110;

// The `ProcessSnapshot`: the sorted rows of the running processes and, when
// the process picker's window-titles box is checked, of the titled top-level
// windows. Every refresh replaces the rows whole; nothing refreshes them by
// itself. The process picker owns the snapshot and shows its rows; the
// engine refreshes and reads them through a reference.
class ProcessSnapshot {
 public:
  // `windowTitlesChecked` reads the picker's "Also show and select processes
  // using window titles" box; until a picker is attached it reads as cleared.
  ProcessSnapshot(Processes& processes, TopWindows& windows,
                  std::function<bool()> windowTitlesChecked = {});

  void SetWindowTitlesSource(std::function<bool()> windowTitlesChecked) {
    windowTitlesChecked_ = std::move(windowTitlesChecked);
  }

  // Rebuilds the raw rows: process rows, then window rows if the box is checked.
  void Refresh();
  // Refresh, then the display step: window rows lose their pid and rows of
  // unsafe processes, this program's own executable among them, get '*' in
  // the mark column. Rows keep their places.
  void RefreshForShow();

  // False until the first refresh (the picker's list is disabled until then).
  bool Refreshed() const { return refreshes_ > 0; }
  // How many refreshes there were: a view that shows the rows refills itself
  // only when this moved on since it last did.
  std::size_t RefreshCount() const { return refreshes_; }
  bool IsNT() const { return enumerator_.IsNT(); }
  std::size_t Count() const { return rows_.Count(); }
  const std::string& Row(std::size_t index) const { return rows_[index]; }
  const std::vector<std::string>& Rows() const { return rows_.Rows(); }

 private:
  // One top-level window; false ends the walk.
  bool AddWindowRow(WindowHandle window);

  Processes& processes_;
  TopWindows& windows_;
  ListBoxPS enumerator_;
  std::function<bool()> windowTitlesChecked_;
  SortedRows rows_;
  std::size_t refreshes_ = 0;
};

}  // namespace qm
