#include "ui/messages/empty_boxes.h"

#include "ui/messages/message_form.h"

namespace qm {

TEmptyBoxes::TEmptyBoxes() : Form("EmptyBoxes")
{
    makeMessageWindow(*this, "Attention", 380, 190);
    makePlainText(Memo1, {8, 8, 358, 112});
    // The trailing blanks are part of the texts.
    Memo1.setLines({
        "Double-click on the system tray icon to alternate ",
        "between running the programs and terminating the ",
        "processes you specify in the two boxes.",
        "",
        "Single-click on the system tray icon for shortcuts to ",
        "various options.",
    });
    BitBtn1.setBounds(150, 128, 75, 25);
}

}  // namespace qm
