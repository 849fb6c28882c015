#include "ui/options/auto_add.h"

#include <string>

#include "config/entry_grammar.h"
#include "config/entry_lookup.h"
#include "engine/process_row.h"

namespace qm {

namespace {

constexpr char kRemark[] = " {rem autoadded}";

// The line goes in as a display text (the tags beyond the padding, out of
// sight); the item keeps the stored text that line stands for, which is
// what a save writes.
void AddChecked(EntryList& entries, ui::CheckListBox& list, const std::string& display) {
  entries.AppendDisplay(display, true);
  list.setItemIndex(list.count() - 1);
}

struct AutoAddCounts {
  int processes = 0;  // T: entries added to the process list
  int programs = 0;   // R: entries added to the program list
};

// Over the snapshot's rows as RefreshForShow leaves them: unsafe rows and
// window rows add nothing, and the two lists are asked independently.
AutoAddCounts AddRunningPrograms(TOptionForm1& options, const ProcessSnapshot& snapshot) {
  AutoAddCounts added;
  const std::string gap(kDisplayTagGap, ' ');
  const std::size_t n = snapshot.Count();
  for (std::size_t i = 0; i < n; ++i) {
    const std::string& row = snapshot.Row(i);
    if (row.empty() || IsStarredRow(row) || IsDisplayWindowRow(row)) continue;
    // A row's name text has the layout of a display text without tags.
    const std::string c = Trim(ReplaceBraces(RowNameText(row)));
    if (!FindEntryInCheckList(c, options.ProcessEntries())) {
      AddChecked(options.ProcessEntries(), options.CheckListBox2, c + gap + " {polite}" + kRemark);
      options.SetDirty();
      ++added.processes;
    }
    if (!FindEntryInCheckList(c, options.ProgramEntries())) {
      const std::string skipWhileRunning = " {nop " + DisplayToStored(c) + "}";
      AddChecked(options.ProgramEntries(), options.CheckListBox1, c + gap + skipWhileRunning + kRemark);
      options.SetDirty();
      ++added.programs;
    }
  }
  return added;
}

}  // namespace

void AutoAdd(TOptionForm1& options, ProcessSnapshot& snapshot, TAutoAddForm& question, TAfterAddForm& report,
             ui::Application& app) {
  if (question.showModal() != ui::ModalResult::Ok) return;
  snapshot.RefreshForShow();
  const AutoAddCounts added = AddRunningPrograms(options, snapshot);
  if (added.processes + added.programs == 0) {
    app.messageBox("No new programs found running to add to Terminate or Run lists.");
    return;
  }
  report.SetCounts(added.processes, added.programs);
  report.showModal();
}

}  // namespace qm
