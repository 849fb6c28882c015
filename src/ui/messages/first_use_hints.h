// The hints shown before the first entries are added by hand: how a process
// entry with its companion run entry saves locating the program. Each shows
// until its "don't show this hint again" box has been checked once.
#pragma once

#include "ui/toolkit/toolkit.h"

namespace qm {

class TFirstProgram : public ui::Form {
public:
    TFirstProgram();

    ui::Memo Memo1{*this, "Memo1"};
    ui::CheckBox CheckBox1{*this, "CheckBox1", "don't show this hint again"};
    ui::BitBtn BitBtn1{*this, "BitBtn1", ui::BitBtnKind::Ok};
};

class Tfirstprocess : public ui::Form {
public:
    Tfirstprocess();

    ui::Memo Memo1{*this, "Memo1"};
    ui::CheckBox CheckBox1{*this, "CheckBox1", "don't show this hint again"};
    ui::BitBtn BitBtn1{*this, "BitBtn1", ui::BitBtnKind::Ok};
};

}  // namespace qm
