// The process picker: the window that shows the process snapshot and lets
// the user choose one row for an entry dialog. It owns the snapshot for the
// whole program; the engine refreshes and reads it without showing it.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "engine/process_snapshot.h"
#include "platform/processes.h"
#include "platform/top_windows.h"
#include "ui/toolkit/toolkit.h"

namespace qm {

class TFormProc : public ui::Form {
 public:
  static constexpr int kDesignWidth = 693;
  static constexpr int kDesignHeight = 509;

  TFormProc(Processes& processes, TopWindows& windows);

  // The rows every part of the program refreshes and reads. Its window-titles
  // source is this window's CheckBox1.
  ProcessSnapshot snapshot;

  void Refresh() { snapshot.Refresh(); }
  // The REFRESH button's and the window-titles box's handler: the rows as
  // they are shown, in the list at once.
  void RefreshForShow();
  // The name text of the row the user chose (from its 15th character on),
  // as the list shows it; nothing when no row is selected.
  std::optional<std::string> SelectedNameText() const;
  // Shows the window modally, with the rows of the last refresh. On OK with
  // a row selected: that row's name text, trimmed and turned into the form
  // an entry stores (a file name, or a window title); otherwise nothing.
  std::optional<std::string> ShowAndPick();

  void ResizeIt();
  void Help() {
    if (HelpHook) HelpHook();
  }
  std::function<void()> HelpHook;

  ui::Label Label2{*this, "Label2", "Process ID"};
  ui::Label Label4{*this, "Label4", "Proccess Name"};
  ui::Label Label5{*this, "Label5", "Path"};
  ui::Label Label3{*this, "Label3", "*"};
  ui::Label Label1{*this, "Label1", "Processes known to be unsafe to terminate"};
  ui::ListBox ListBox1{*this, "ListBox1"};
  ui::Button Button1{*this, "Button1", "REFRESH"};
  ui::CheckBox CheckBox1{*this, "CheckBox1", "Also show and select processes using window titles"};
  ui::BitBtn BitBtn1{*this, "BitBtn1", ui::BitBtnKind::Ok};
  ui::BitBtn BitBtn3{*this, "BitBtn3", ui::BitBtnKind::Help};
  ui::BitBtn BitBtn2{*this, "BitBtn2", ui::BitBtnKind::Cancel};
  ui::StatusBar StatusBar1{*this, "StatusBar1"};

 private:
  // Puts the snapshot's rows into the list when a refresh came since they
  // were last put there: refreshes made while the window is hidden show at
  // its next show, and an unchanged snapshot keeps the user's selection.
  void ShowLastRefresh();

  std::size_t shownRefresh_ = 0;
};

}  // namespace qm
