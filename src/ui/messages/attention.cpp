#include "ui/messages/attention.h"

namespace qm {

Tattention::Tattention() : Form("attention")
{
    ui::FixedWindow{
        .caption = "Attention",
        .size = {291, 198},
        .parts = {{&Memo1, {8, 8, 265, 119}}, {&BitBtn1, {104, 136, 75, 25}}},
    }.applyTo(*this);
}

void Tattention::ShowAttention(const std::string& text)
{
    // A second message while one is open (a tray command from inside its
    // loop, say) only brings the open one forward: its text stays.
    if (isModal()) {
        show();
        return;
    }
    Memo1.setText(text);
    showModal();
}

}  // namespace qm
