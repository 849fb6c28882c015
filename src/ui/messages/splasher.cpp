#include "ui/messages/splasher.h"

#include "ui/pictures.h"

namespace qm {

TSplasher::TSplasher() : Form("Splasher")
{
    setCaption("Quellmarch");
    setBorderStyle(ui::BorderStyle::None);
    setBorderIcons(ui::BorderIcons::none());
    setStayOnTop(true);
    setPosition(ui::FormPosition::ScreenCenter);
    setClientSize(kClientWidth, kClientHeight);

    Panel1.setBounds(0, 0, kClientWidth, kClientHeight);
    Bevel1.setParent(Panel1);
    Bevel1.setBounds(3, 2, 283, 29);
    Image1.setParent(Panel1);
    Image1.setBounds(6, 4, 277, 24);
    Image1.setAutoSize(true);
    Image1.setPicture(pictures::Banner());

    // The banner covers most of the panel, so a click on it counts as one on
    // the window.
    auto clicked = [this](ui::MouseButton button, int, int) {
        if (button == ui::MouseButton::Left) {
            EndSplash();
        }
    };
    onMouseDown = clicked;
    Panel1.onMouseDown = clicked;
    Image1.onMouseDown = clicked;
    onShow = [this] { ResetTimer(); };
    onPaint = [this] { HideIt(); };
    // The timer runs from creation: with no splash requested its first tick
    // ends the splash that never was.
    Timer1.onTimer = [this] { Timer1Timer(); };
    duration_ = SplashInterval;
}

void TSplasher::RestartTimer()
{
    // Read before the show: the first paint, which may come within it,
    // turns the request into the running mark.
    const int requested = SplashInterval;
    // An earlier EndSplash left the window at 1 x 1.
    setClientSize(kClientWidth, kClientHeight);
    centreOnScreen();
    showNoActivate();
    duration_ = requested > 0 ? requested : kDefaultDuration;
    ticks_ = 0;
    Timer1.setEnabled(true);
}

void TSplasher::EndSplash()
{
    hide();
    setSize(1, 1);
    SplashInterval = 0;
}

void TSplasher::ResetTimer()
{
    if (SplashInterval == 0 && duration_ > 1000) {
        duration_ = 1000;
    }
    ticks_ = 0;
    Timer1.setEnabled(true);
}

void TSplasher::HideIt()
{
    if (SplashInterval == 0) {
        EndSplash();
    } else if (SplashInterval != -1) {
        SplashInterval = -1;
        Timer1.setEnabled(true);
    }
}

void TSplasher::Timer1Timer()
{
    ++ticks_;
    if (ticks_ >= duration_ / kTickInterval) {
        EndSplash();
        Timer1.setEnabled(false);
    }
}

}  // namespace qm
