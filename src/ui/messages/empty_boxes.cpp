#include "ui/messages/empty_boxes.h"

namespace qm {

TEmptyBoxes::TEmptyBoxes() : Form("EmptyBoxes")
{
    ui::FixedWindow{
        .caption = "Attention",
        .size = {380, 190},
        .parts =
            {
                // The trailing blanks are part of the texts.
                {&Memo1,
                 {8, 8, 358, 112},
                 {
                     "Double-click on the system tray icon to alternate ",
                     "between running the programs and terminating the ",
                     "processes you specify in the two boxes.",
                     "",
                     "Single-click on the system tray icon for shortcuts to ",
                     "various options.",
                 }},
                {&BitBtn1, {150, 128, 75, 25}},
            },
    }.applyTo(*this);
}

}  // namespace qm
