// The two windows of the AutoAdd command: the question before it runs and
// the report after it added entries.
#pragma once

#include <string>

#include "ui/toolkit/toolkit.h"

namespace qm {

// Says what AutoAdd does and warns of what it may add; "Run AutoAdd" (OK)
// goes ahead, Cancel stops.
class TAutoAddForm : public ui::Form {
 public:
  TAutoAddForm();

  ui::Memo Memo1{*this, "Memo1"};
  ui::Memo Memo2{*this, "Memo2"};
  ui::BitBtn BitBtn1{*this, "BitBtn1", ui::BitBtnKind::Ok, "Run AutoAdd"};
  ui::BitBtn BitBtn2{*this, "BitBtn2", ui::BitBtnKind::Cancel};
};

// How many entries a run added, and what to do with them next.
class TAfterAddForm : public ui::Form {
 public:
  TAfterAddForm();

  // "T processes added to Termination list, R added to Run list."
  void SetCounts(int processes, int programs);

  ui::Label Label1{*this, "Label1"};
  ui::Memo Memo1{*this, "Memo1"};
  ui::BitBtn BitBtn1{*this, "BitBtn1", ui::BitBtnKind::Ok};
};

}  // namespace qm
