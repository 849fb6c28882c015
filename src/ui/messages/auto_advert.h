// A word about AutoAdd and the getting-started guide, shown once after the
// welcome of the first start.
#pragma once

#include "ui/toolkit/toolkit.h"

namespace qm {

class TAutoAdvertForm : public ui::Form {
public:
    TAutoAdvertForm();

    ui::Label Label1{*this, "Label1"};
    ui::Memo Memo1{*this, "Memo1"};
    ui::BitBtn BitBtn1{*this, "BitBtn1", ui::BitBtnKind::Ok};
};

}  // namespace qm
