// The note shown before a Start-with-Windows entry is written; OK lets it
// be written, Cancel does not.
#pragma once

#include "ui/toolkit/toolkit.h"

namespace qm {

class Tpreregistry : public ui::Form {
public:
    Tpreregistry();

    ui::Memo preregistry{*this, "preregistry"};
    ui::BitBtn BitBtn1{*this, "BitBtn1", ui::BitBtnKind::Ok};
    ui::BitBtn BitBtn2{*this, "BitBtn2", ui::BitBtnKind::Cancel};
};

}  // namespace qm
