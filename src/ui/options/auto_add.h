// AutoAdd, the Options window's File command "&Run AutoAdd": every program
// running now that a list does not name yet gets an entry in that list, a
// polite process entry and a program entry that does not start it while it
// runs, each with the comment "autoadded".
#pragma once

#include "engine/process_snapshot.h"
#include "ui/options/auto_add_forms.h"
#include "ui/options/option_form.h"
#include "ui/toolkit/toolkit.h"

namespace qm {

struct AutoAddCounts {
  int processes = 0;  // T: entries added to the process list
  int programs = 0;   // R: entries added to the program list
};

// The question, the additions and the report.
void AutoAdd(TOptionForm1& options, ProcessSnapshot& snapshot, TAutoAddForm& question, TAfterAddForm& report,
             ui::Application& app);

// The additions alone, over the snapshot's rows as RefreshForShow leaves
// them: unsafe rows and window rows add nothing, and the two lists are
// asked independently.
AutoAddCounts AddRunningPrograms(TOptionForm1& options, const ProcessSnapshot& snapshot);

}  // namespace qm
