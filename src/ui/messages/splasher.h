// The banner shown for a moment at start-up. It is also the application's
// main window: closing it ends the instance, so it is never destroyed before
// then; after the splash it stays hidden, shrunk to 1 x 1.
#pragma once

#include "ui/toolkit/toolkit.h"

namespace qm {

class TSplasher : public ui::Form {
public:
    static constexpr int kClientWidth = 293;
    static constexpr int kClientHeight = 37;
    // How long a splash stays when start-up asks for one without a length.
    static constexpr int kDefaultDuration = 2000;
    static constexpr int kTickInterval = 500;

    TSplasher();

    // The splash request start-up shares with this window: 0 = none wanted
    // or ended, above 0 = that many milliseconds requested, -1 = running.
    int SplashInterval = 0;

    // Shows the banner for SplashInterval milliseconds (the default when
    // there is no request) and counts the time afresh.
    void RestartTimer();
    // Hides the window, shrunk to 1 x 1, and marks the splash ended. The
    // timer is left to stop itself.
    void EndSplash();
    // Each show counts afresh.
    void ResetTimer();
    // The first paint: a splash that is not wanted goes at once; a requested
    // one becomes the running one.
    void HideIt();
    void Timer1Timer();

    ui::Panel Panel1{*this, "Panel1"};
    ui::Bevel Bevel1{*this, "Bevel1"};
    ui::Image Image1{*this, "Image1"};
    ui::Timer Timer1{*this, "Timer1", kTickInterval};

private:
    int duration_ = 0;
    int ticks_ = 0;
};

}  // namespace qm
