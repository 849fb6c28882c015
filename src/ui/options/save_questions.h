// The two questions the file commands ask: save unsaved changes, and
// overwrite an existing file.
#pragma once

#include "ui/toolkit/toolkit.h"

namespace qm {

class TFormSaveChanges : public ui::Form {
 public:
  TFormSaveChanges();

  ui::Label Label1{*this, "Label1", "Configuration settings have changed.  Save Changes?"};
  ui::BitBtn BitBtn1{*this, "BitBtn1", ui::BitBtnKind::Yes};
  ui::BitBtn BitBtn2{*this, "BitBtn2", ui::BitBtnKind::No};
  ui::BitBtn BitBtn3{*this, "BitBtn3", ui::BitBtnKind::Cancel};
};

class TOverWrite : public ui::Form {
 public:
  TOverWrite();

  ui::Label Label1{*this, "Label1", "File exists.  Overwrite it?"};
  ui::BitBtn BitBtn1{*this, "BitBtn1", ui::BitBtnKind::Ok};
  ui::BitBtn BitBtn2{*this, "BitBtn2", ui::BitBtnKind::Cancel};
};

}  // namespace qm
