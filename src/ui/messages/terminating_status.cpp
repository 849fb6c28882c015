#include "ui/messages/terminating_status.h"

#include <utility>

namespace qm {

TTerminatingStatus::TTerminatingStatus() : Form("TerminatingStatus")
{
    // Without a title bar the caption is never seen, but task lists show it.
    setCaption("Quellmarch: Terminating Processes");
    setBorderStyle(ui::BorderStyle::None);
    setBorderIcons(ui::BorderIcons::none());
    setStayOnTop(true);
    setPosition(ui::FormPosition::ScreenCenter);
    setClientSize(515, 54);
    // It only reports; clicks must not take the focus from the user's work.
    setEnabled(false);

    Panel1.setBounds(0, 0, 515, 54);
    Panel1.setBevelOuter(ui::BevelCut::Lowered);

    ProgressBar1.setParent(Panel1);
    ProgressBar1.setBounds(7, 6, 500, 17);
    ProgressBar1.setRange(0, 100);
    // Both are repainted at every step of a batch, which holds the thread:
    // the classic look draws each step many times faster than a visual
    // style's stretched images (a tenth of a second a batch under 32-bit Wine).
    ProgressBar1.setThemed(false);

    StatusBar1.setParent(Panel1);
    StatusBar1.setBounds(7, 29, 500, 19);
    // 85 characters, the longest line a batch writes, fit its 500 pixels: a
    // TrueType face every Windows has, 9 pixels high whatever the screen's
    // dpi; Wine's fonts stand in a fixed-pitch face of the same width.
    StatusBar1.setFont(ui::Font{"Courier New", 7, 9, false, true});
    StatusBar1.setThemed(false);
}

// The batches change these while they hold the thread between pauses, with
// no message loop to paint them; so each change is painted at once.
void TTerminatingStatus::setStatusText(std::string text)
{
    StatusBar1.setSimpleText(std::move(text));
    StatusBar1.repaint();
}

void TTerminatingStatus::setProgress(int percent)
{
    ProgressBar1.setPosition(percent);
    ProgressBar1.repaint();
}

void TTerminatingStatus::showWithoutFocus() { showNoActivate(); }

}  // namespace qm
