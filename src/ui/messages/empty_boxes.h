// The hint shown when a toggle finds no checked entry in either list.
#pragma once

#include "ui/toolkit/toolkit.h"

namespace qm {

class TEmptyBoxes : public ui::Form {
public:
    TEmptyBoxes();

    ui::Memo Memo1{*this, "Memo1"};
    ui::BitBtn BitBtn1{*this, "BitBtn1", ui::BitBtnKind::Ok};
};

}  // namespace qm
