// The BrowseKill window: the programs running now as a check list, the
// configured ones first, for ending several in one go or one from the
// right-click menu.
#pragma once

#include <functional>
#include <string>

#include "config/config_data.h"
#include "config/entry_list.h"
#include "engine/batch_actions.h"
#include "engine/process_snapshot.h"
#include "ui/check_lists/check_list_entries.h"
#include "ui/toolkit/toolkit.h"

namespace qm {

// What the window asks of the rest of the program. Unset hooks do nothing.
struct BrowseKillHooks {
  // The tray's Shutdown command, for "Quit after activating".
  std::function<void()> Shutdown;
  std::function<void()> HelpMe;
};

class TBrowseKill : public ui::Form {
 public:
  static constexpr int kDesignWidth = 635;
  static constexpr int kDesignHeight = 524;

  // `configured` is the Options window's process list.
  TBrowseKill(ProcessSnapshot& snapshot, const EntryList& configured);

  // The document and the engine come after the windows; bind them before
  // the first refresh.
  void Bind(TConfigData& config, BatchActions& batch) {
    config_ = &config;
    batch_ = &batch;
  }

  BrowseKillHooks hooks;

  // The show operation of the tray menu, the double-click action and the
  // Options window: the window comes up, then its list is rebuilt.
  void ShowAndRefresh();

  void Refresh();
  void TerminateThem();
  void KillThisOne();
  void CheckAll();
  void UncheckAll();
  void DoubleClickIt();
  void RightDown(int x, int y);
  void Done() { hide(); }
  void HelpMe();
  void ResizeIt();

  // The rows as entries: each configured row carries its entry's stored text.
  EntryList& Rows() { return rows_; }

  ui::Label Label4{*this, "Label4", "Proccess Name"};
  ui::Label Label1{*this, "Label1", "Path"};
  ui::CheckBox CheckBox1{*this, "CheckBox1", "Mark unspecified programs by default"};
  ui::CheckListBox CheckListBox1{*this, "CheckListBox1"};
  ui::Button Button1{*this, "Button1", "REFRESH"};
  ui::Button Button2{*this, "Button2", "Check All"};
  ui::Button Button3{*this, "Button3", "Uncheck All"};
  ui::BitBtn BitBtn1{*this, "BitBtn1", ui::BitBtnKind::Custom, "&Kill All Checked"};
  ui::BitBtn BitBtn2{*this, "BitBtn2", ui::BitBtnKind::Cancel, "&Cancel"};
  ui::BitBtn BitBtn3{*this, "BitBtn3", ui::BitBtnKind::Help};
  ui::Label Label3{*this, "Label3", "Check the programs to terminate and then hit the \"Kill\" button."};
  ui::Label Label2{*this, "Label2", "Right-click to terminate an individual program."};
  ui::StatusBar StatusBar1{*this, "StatusBar1"};
  ui::PopupMenu PopupMenu1{*this, "PopupMenu1"};
  ui::MenuItem Terminatethisprogramnow1{*this, "Terminatethisprogramnow1", "&Terminate this program now"};

 private:
  void Layout();
  void BindEvents();

  ProcessSnapshot& snapshot_;
  const EntryList& configured_;
  TConfigData* config_ = nullptr;
  BatchActions* batch_ = nullptr;
  CheckListEntries rows_{CheckListBox1};
};

}  // namespace qm
