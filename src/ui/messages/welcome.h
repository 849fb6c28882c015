// The welcome of the first start on a machine: what the program is for, in
// a few paragraphs, shown once.
#pragma once

#include "ui/toolkit/toolkit.h"

namespace qm {

class TWelcome : public ui::Form {
public:
    TWelcome();

    ui::Label Label1{*this, "Label1"};
    ui::Label Label2{*this, "Label2"};
    ui::Memo Memo1{*this, "Memo1"};
    ui::BitBtn BitBtn1{*this, "BitBtn1", ui::BitBtnKind::Ok};
};

}  // namespace qm
