// Shown when a list command needs a selected entry and none is selected.
#pragma once

#include "ui/toolkit/toolkit.h"

namespace qm {

class TFirstSelect : public ui::Form {
public:
    TFirstSelect();

    ui::Label Label1{*this, "Label1"};
    ui::BitBtn BitBtn1{*this, "BitBtn1", ui::BitBtnKind::Ok};
};

}  // namespace qm
