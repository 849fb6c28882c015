#include "ui/browsekill/browsekill_form.h"

#include "config/entry_grammar.h"
#include "config/entry_lookup.h"
#include "engine/process_row.h"

namespace qm {

TBrowseKill::TBrowseKill(ProcessSnapshot& snapshot, const EntryList& configured)
    : Form("BrowseKill"), snapshot_(snapshot), configured_(configured) {
  setCaption("Processes Currently Running - Check the ones to terminate and then hit the \"Kill\" button");
  setBorderIcons({true, false, true});
  setPosition(ui::FormPosition::ScreenCenter);
  setMinimumSize(586, 225);
  CheckListBox1.setFont(ui::Font::fixed());
  CheckListBox1.setItemHeight(15);
  CheckListBox1.setPopupMenu(&PopupMenu1);
  PopupMenu1.add(Terminatethisprogramnow1);
  BitBtn1.setGlyph(ui::Glyph::NoEntry);
  // The window is never shown modally: "&Cancel" only hides it (Escape too).
  BitBtn2.setModalResult(ui::ModalResult::None);
  // The keyboard starts on the list: a first Space press there marks a row,
  // where on "Mark unspecified programs by default" it would change a
  // setting and refill the list.
  setActiveControl(&CheckListBox1);
  Layout();
  BindEvents();
}

void TBrowseKill::BindEvents() {
  CheckListBox1.onDblClick = [this] { DoubleClickIt(); };
  CheckListBox1.onMouseDown = [this](ui::MouseButton, int x, int y) { RightDown(x, y); };
  Terminatethisprogramnow1.onClick = [this] { KillThisOne(); };
  CheckBox1.onClick = [this] { Refresh(); };
  Button1.onClick = [this] { Refresh(); };
  Button2.onClick = [this] { CheckAll(); };
  Button3.onClick = [this] { UncheckAll(); };
  BitBtn1.onClick = [this] { TerminateThem(); };
  BitBtn2.onClick = [this] { Done(); };
  BitBtn3.onClick = [this] { HelpMe(); };
  onResize = [this] { ResizeIt(); };
  // The title bar's close button hides the window like "&Cancel"; it lives
  // for the whole run.
  onClose = [this](ui::CloseAction& action) {
    action = ui::CloseAction::None;
    Done();
  };
}

void TBrowseKill::ShowAndRefresh() {
  show();
  Refresh();
}

// Configured rows first, in the order of the Options window's list, with
// their texts and marks; then every other running program in snapshot order.
// The separator stands between the two groups only when both have rows.
void TBrowseKill::Refresh() {
  const bool markUnspecified = CheckBox1.checked();
  // The box is a setting of the configuration, but changing it is no edit:
  // the document takes it without being marked changed.
  if (config_ != nullptr) config_->BrowseKill_DefaultChecks = markUnspecified;
  snapshot_.RefreshForShow();
  const std::vector<std::string>& rows = snapshot_.Rows();

  CheckListBox1.setSorted(false);
  CheckListBox1.beginUpdate();
  rows_.Clear();
  for (std::size_t i = 0; i < configured_.Count(); ++i) {
    if (FindRowInList(configured_.DisplayText(i), rows)) {
      rows_.Append(configured_.DisplayText(i), configured_.StoredText(i), configured_.Checked(i));
    }
  }
  bool separatorDue = rows_.Count() > 0;
  for (const std::string& row : rows) {
    if (row.empty() || IsDisplayWindowRow(row) || IsStarredRow(row)) continue;
    const std::string text = Trim(ReplaceBraces(RowNameText(row)));
    if (FindEntryInCheckList(text, configured_)) continue;
    if (separatorDue) {
      rows_.Append("", "", false);
      separatorDue = false;
    }
    rows_.AppendDisplay(text, markUnspecified);
  }
  CheckListBox1.endUpdate();
}

void TBrowseKill::TerminateThem() {
  if (batch_ == nullptr) return;
  // The batch passes over the separator: its stored text is empty.
  batch_->TerminateAll(rows_);
  // The list is rebuilt before the shutdown too: the save-changes question
  // may be cancelled, and the window must not go on listing programs that
  // ended.
  Refresh();
  // The batch copied the Options window into the document first, so this is
  // the box the user sees there.
  if (config_ != nullptr && config_->Quit_after_activate && hooks.Shutdown) hooks.Shutdown();
}

void TBrowseKill::KillThisOne() {
  const int selected = CheckListBox1.itemIndex();
  if (selected < 0 || batch_ == nullptr) return;
  // A configured row ends by its entry's own stored text, tags and all; the
  // separator's is empty and matches no process.
  std::string stored = rows_.StoredText(static_cast<std::size_t>(selected));
  batch_->TerminateOneEntry(stored);
  Refresh();
}

void TBrowseKill::CheckAll() { SetAllChecks(rows_, true); }

void TBrowseKill::UncheckAll() { SetAllChecks(rows_, false); }

void TBrowseKill::DoubleClickIt() {
  const int selected = CheckListBox1.itemIndex();
  if (selected >= 0) CheckListBox1.setChecked(selected, !CheckListBox1.checked(selected));
}

// Any button pressed over a row selects it, so that the right-click menu acts
// on the row under the pointer; a press below the last row changes nothing.
void TBrowseKill::RightDown(int x, int y) {
  const int at = CheckListBox1.itemAtPos(x, y);
  if (at >= 0) CheckListBox1.setItemIndex(at);
}

void TBrowseKill::HelpMe() {
  if (hooks.HelpMe) hooks.HelpMe();
}

}  // namespace qm
