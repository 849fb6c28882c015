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

// The question, the additions to both lists, and the report (or the message
// that nothing new runs).
void AutoAdd(TOptionForm1& options, ProcessSnapshot& snapshot, TAutoAddForm& question, TAfterAddForm& report,
             ui::Application& app);

}  // namespace qm
