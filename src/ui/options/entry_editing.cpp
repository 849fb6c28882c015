// The Options window's two lists edited by hand: the right-click menus, the
// double-click, the entry dialogs, Run Now / Terminate Now of one entry, and
// the preview of what Terminate Now would end.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "config/entry_grammar.h"
#include "config/entry_specs.h"
#include "engine/batch_actions.h"
#include "ui/dialogs/process_entry.h"
#include "ui/dialogs/program_entry.h"
#include "ui/messages/first_select.h"
#include "ui/messages/first_use_hints.h"
#include "ui/options/option_form.h"

namespace qm {

namespace {

const EntryEditingParts& Bound(const EntryEditingParts& parts) {
  if (parts.programEntry == nullptr || parts.processEntry == nullptr || parts.firstSelect == nullptr ||
      parts.firstProgram == nullptr || parts.firstProcess == nullptr || parts.batch == nullptr ||
      parts.programHint == nullptr || parts.processHint == nullptr) {
    throw std::logic_error("the Options window's lists are edited before their dialogs were bound");
  }
  return parts;
}

// The selected item's index; with none selected the user is told to select
// one first, and the answer is -1.
int SelectedEntry(const ui::ListBox& list, TFirstSelect& firstSelect) {
  const int index = list.itemIndex();
  if (index < 0) firstSelect.showModal();
  return index;
}

// A press of any mouse button selects the item under the pointer, before a
// right-click's menu opens, so the menu acts on that item. A press below the
// last item leaves the selection as it was.
void SelectItemAt(ui::ListBox& list, int x, int y) {
  const int index = list.itemAtPos(x, y);
  if (index >= 0) list.setItemIndex(index);
}

// A first-use hint stands over its dialog, which is shown behind it without
// being modal and hidden again. Whether the hint is still wanted next time:
// until its box has been checked once.
template <class Hint>
bool ShowHint(ui::Form& dialog, Hint& hint) {
  dialog.show();
  hint.showModal();
  dialog.hide();
  return !hint.CheckBox1.checked();
}

// The fields the process dialog shows for a stored text. Tags are peeled
// from the end of the line and each sets its field, so of two modes the one
// nearer the start is selected (the terminator ranks modes instead; one
// radio button cannot show several), and an unknown tag is dropped.
ProcessEntryFields ProcessDialogFields(std::string_view stored) {
  ProcessEntryFields fields;
  std::string rest = Trim(stored);
  std::string keyword;
  std::string value;
  while (PeelTag(rest, keyword, value)) {
    if (keyword == "harsh") {
      fields.Mode = TerminationMode::Harsh;
    } else if (keyword == "polite") {
      fields.Mode = TerminationMode::Polite;
    } else if (keyword == "learn") {
      fields.Mode = TerminationMode::Learn;
    } else if (keyword == "rem") {
      fields.Remark = value;
    }
  }
  fields.Pattern = rest;
  return fields;
}

// The item a dialog was opened for, known by its key rather than by its
// index or text: the tray stays live under the dialog, and a toggle's
// learning may rewrite the item meanwhile. None for a new entry.
std::optional<std::uint64_t> EditedItem(const ui::CheckListBox& list, int index) {
  if (index < 0) return std::nullopt;
  return list.itemKey(index);
}

// An edited entry takes the place of the item it was opened for, whatever
// became of that item's text meanwhile, and keeps its check mark. A new
// entry, or an edit whose item is gone, is appended, checked and selected,
// so what the user typed is kept, once.
void StoreEntry(CheckListEntries& entries, std::optional<std::uint64_t> edited, const std::string& stored) {
  ui::CheckListBox& list = entries.list();
  const int at = edited ? list.indexOfKey(*edited) : -1;
  if (at >= 0) {
    entries.SetStored(static_cast<std::size_t>(at), stored);
    return;
  }
  entries.AppendStored(stored, true);
  list.setItemIndex(list.count() - 1);
}

}  // namespace

void TOptionForm1::BindListEditing() {
  for (ui::MenuItem* item : {&AddProgram1, &EditProgram1, &DeleteProgram1, &RunNow1}) PopupMenu1.add(*item);
  for (ui::MenuItem* item : {&AddProcess1, &EditProcess1, &DeleteProcess1, &TerminateNow1, &N4, &ShowMatches1}) {
    PopupMenu2.add(*item);
  }
  CheckListBox1.setPopupMenu(&PopupMenu1);
  CheckListBox2.setPopupMenu(&PopupMenu2);
  CheckListBox1.onMouseDown = [this](ui::MouseButton button, int x, int y) { RightDown1(button, x, y); };
  CheckListBox2.onMouseDown = [this](ui::MouseButton button, int x, int y) { RightDown2(button, x, y); };
  CheckListBox1.onDblClick = [this] { EditProgramEntry(); };
  CheckListBox2.onDblClick = [this] { EditProcessEntry(); };
  AddProgram1.onClick = [this] { AddProgramEntry(); };
  EditProgram1.onClick = [this] { EditProgramEntry(); };
  DeleteProgram1.onClick = [this] { DeleteProgramEntry(); };
  RunNow1.onClick = [this] { DoProgramEntry(); };
  AddProcess1.onClick = [this] { AddProcessEntry(); };
  EditProcess1.onClick = [this] { EditProcessEntry(); };
  DeleteProcess1.onClick = [this] { DeleteProcessEntry(); };
  TerminateNow1.onClick = [this] { DoProcessEntry(); };
  ShowMatches1.onClick = [this] { ShowProcessMatches(); };
}

void TOptionForm1::RightDown1(ui::MouseButton, int x, int y) { SelectItemAt(CheckListBox1, x, y); }
void TOptionForm1::RightDown2(ui::MouseButton, int x, int y) { SelectItemAt(CheckListBox2, x, y); }

void TOptionForm1::AddProgramEntry() { ShowProgramEntryDialog(-1); }
void TOptionForm1::AddProcessEntry() { ShowProcessEntryDialog(-1); }

// Editing reads the item's kept stored text, not its display text turned
// back: that conversion takes the end of a long file name with a blank for
// its folder.
void TOptionForm1::EditProgramEntry() {
  const EntryEditingParts& parts = Bound(editing_);
  const int index = SelectedEntry(CheckListBox1, *parts.firstSelect);
  if (index < 0) return;
  parts.programEntry->SetFields(SplitProgramEntry(Trim(programs_.StoredText(static_cast<std::size_t>(index)))));
  ShowProgramEntryDialog(index);
}

void TOptionForm1::EditProcessEntry() {
  const EntryEditingParts& parts = Bound(editing_);
  const int index = SelectedEntry(CheckListBox2, *parts.firstSelect);
  if (index < 0) return;
  parts.processEntry->SetFields(ProcessDialogFields(processes_.StoredText(static_cast<std::size_t>(index))));
  ShowProcessEntryDialog(index);
}

void TOptionForm1::ShowProgramEntryDialog(int index) {
  const EntryEditingParts& parts = Bound(editing_);
  TProgramEntry& dialog = *parts.programEntry;
  if (index == -1 && *parts.programHint) *parts.programHint = ShowHint(dialog, *parts.firstProgram);
  const std::optional<std::uint64_t> edited = EditedItem(CheckListBox1, index);
  if (dialog.showModal() != ui::ModalResult::Ok) return;
  StoreEntry(programs_, edited, ComposeProgramEntry(dialog.Fields()));
  SetDirty();
}

void TOptionForm1::ShowProcessEntryDialog(int index) {
  const EntryEditingParts& parts = Bound(editing_);
  TProcessEntry& dialog = *parts.processEntry;
  if (index == -1 && *parts.processHint) *parts.processHint = ShowHint(dialog, *parts.firstProcess);
  dialog.CheckBox1.setChecked(false);
  if (index == -1) dialog.RadioButton4.setChecked(true);
  const std::optional<std::uint64_t> edited = EditedItem(CheckListBox2, index);
  if (dialog.showModal() != ui::ModalResult::Ok) return;
  const ProcessEntryFields fields = dialog.Fields();
  StoreEntry(processes_, edited, ComposeProcessEntry(fields));
  if (dialog.CompanionWanted()) AddCompanionProgramEntry(Trim(ReplaceBraces(fields.Pattern)));
  SetDirty();
}

// A run entry that starts the program a process string names, skipped while
// a process of that name runs. Added as it is, even when an equal one exists.
void TOptionForm1::AddCompanionProgramEntry(const std::string& processString) {
  programs_.AppendStored(processString + " {nop " + processString + "}", true);
  CheckListBox1.setItemIndex(CheckListBox1.count() - 1);
}

void TOptionForm1::DeleteProgramEntry() {
  const int index = SelectedEntry(CheckListBox1, *Bound(editing_).firstSelect);
  if (index < 0) return;
  programs_.Remove(static_cast<std::size_t>(index));
  SetDirty();
}

void TOptionForm1::DeleteProcessEntry() {
  const int index = SelectedEntry(CheckListBox2, *Bound(editing_).firstSelect);
  if (index < 0) return;
  processes_.Remove(static_cast<std::size_t>(index));
  SetDirty();
}

// Runs the selected entry whether it is checked or not.
void TOptionForm1::DoProgramEntry() {
  const EntryEditingParts& parts = Bound(editing_);
  const int index = SelectedEntry(CheckListBox1, *parts.firstSelect);
  if (index < 0) return;
  parts.batch->RunOneEntry(programs_.StoredText(static_cast<std::size_t>(index)));
}

// The entry is written back whether or not learning rewrote it; the
// terminator marks the configuration changed when it did.
void TOptionForm1::DoProcessEntry() {
  const EntryEditingParts& parts = Bound(editing_);
  const int index = SelectedEntry(CheckListBox2, *parts.firstSelect);
  if (index < 0) return;
  parts.batch->TerminateOneEntry(processes_, static_cast<std::size_t>(index));
}

// What Terminate Now would end, checked or not; it ends nothing.
void TOptionForm1::ShowProcessMatches() {
  const int index = SelectedEntry(CheckListBox2, *Bound(editing_).firstSelect);
  if (index < 0 || !hooks.ShowMatches) return;
  hooks.ShowMatches(processes_.StoredText(static_cast<std::size_t>(index)));
}

}  // namespace qm
