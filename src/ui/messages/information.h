// A few personal words from the author beside a picture, opened from the
// About box's picture.
#pragma once

#include "ui/toolkit/toolkit.h"

namespace qm {

class TInformation : public ui::Form {
public:
    TInformation();

    ui::Image Image1{*this, "Image1"};
    ui::Label Label1{*this, "Label1"};
    ui::Memo Memo1{*this, "Memo1"};
    ui::BitBtn BitBtn1{*this, "BitBtn1", ui::BitBtnKind::Ok};
};

}  // namespace qm
