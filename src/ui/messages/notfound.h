// Asks what to do when the program was started with Windows for a
// configuration file that no longer exists. Start-up drives it.
#pragma once

#include "ui/toolkit/toolkit.h"

namespace qm {

class Tnotfound : public ui::Form {
public:
    Tnotfound();

    ui::Memo Memo1{*this, "Memo1"};
    ui::Memo Memo3{*this, "Memo3"};
    ui::Memo Memo2{*this, "Memo2"};
    ui::GroupBox GroupBox1{*this, "GroupBox1"};
    ui::RadioButton RadioButton1{*this, "RadioButton1",
                                 "&Browse for the file manually and correct startup file location."};
    ui::RadioButton RadioButton2{*this, "RadioButton2", "&Delete the startup entry for this configuration file and exit."};
    ui::RadioButton RadioButton3{*this, "RadioButton3", "&Ignore this error for now and exit Quellmarch."};
    ui::BitBtn BitBtn1{*this, "BitBtn1", ui::BitBtnKind::Ok};
    ui::OpenDialog OpenDialog1{*this, "OpenDialog1"};
};

}  // namespace qm
