#include "ui/messages/welcome.h"

namespace qm {

namespace {

ui::Font heading()
{
    ui::Font font;
    font.face = "Arial";
    font.pixelHeight = 24;
    font.bold = true;
    return font;
}

}  // namespace

TWelcome::TWelcome() : Form("Welcome")
{
    ui::FixedWindow{
        .caption = "Welcome",
        .size = {506, 374},
        .clientSize = true,
        .parts =
            {
                {&Label1, {16, 12, 474, 28}, {"Welcome to Quellmarch"}, heading()},
                {&Label2, {16, 46, 474, 16}, {"Please take the time to read this - it won't be shown again !"}},
                // The trailing blanks of the lines that go on are part of the text.
                {&Memo1,
                 {16, 70, 482, 250},
                 {
                     "",
                     "Quellmarch resides in your system tray and can be toggled (with a double-click of your mouse) ",
                     "between two states, an On state and an Off state.  When toggling into the On state, Quellmarch ",
                     "activates a set of programs you specify.  When toggling into the Off state, Quellmarch searches ",
                     "for and terminates a set of processes you specify.",
                     "",
                     "You can run multiple instances of Quellmarch simultaneously using different configuration files, ",
                     "allowing you to easily start and stop different groups of programs.  Each configuration file can ",
                     "be customized with its own icon set, and each configuration file can be individually configured ",
                     "to load automatically when windows starts. ",
                     "",
                     "It is normal to have to reboot windows once or twice while trying to figure out which ",
                     "background processes running on your computer can be safely terminated and successfully ",
                     "restarted.",
                 }},
                {&BitBtn1, {215, 334, 75, 25}},
            },
    }.applyTo(*this);
}

}  // namespace qm
