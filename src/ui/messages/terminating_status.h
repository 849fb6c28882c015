// The one status window: a progress bar and a one-line text, shown while a
// batch runs programs or terminates processes.
#pragma once

#include "ui/toolkit/toolkit.h"

#include <string>

namespace qm {

class TTerminatingStatus : public ui::Form {
public:
    TTerminatingStatus();

    // What the batch actions drive while they block the user-interface
    // thread between pauses; each change is painted at once.
    void setStatusText(std::string text);
    const std::string& statusText() const { return StatusBar1.simpleText(); }
    // 0..100; values outside are clamped.
    void setProgress(int percent);
    int progress() const { return ProgressBar1.position(); }
    // Visible, but the focus stays where the user's work is.
    void showWithoutFocus();
    void hideStatus() { hide(); }

    ui::Panel Panel1{*this, "Panel1"};
    ui::ProgressBar ProgressBar1{*this, "ProgressBar1"};
    ui::StatusBar StatusBar1{*this, "StatusBar1"};
};

}  // namespace qm
