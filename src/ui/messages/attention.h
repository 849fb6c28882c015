// The modal "Attention" window: one text and an OK button.
#pragma once

#include "ui/toolkit/toolkit.h"

#include <string>

namespace qm {

class Tattention : public ui::Form {
public:
    Tattention();

    // Replaces the text and waits, modally, for OK. The text wraps; the
    // window keeps its size. While the window is open already, this only
    // brings it forward.
    void ShowAttention(const std::string& text);

    ui::Memo Memo1{*this, "Memo1"};
    ui::BitBtn BitBtn1{*this, "BitBtn1", ui::BitBtnKind::Ok};
};

}  // namespace qm
