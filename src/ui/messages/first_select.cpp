#include "ui/messages/first_select.h"

namespace qm {

TFirstSelect::TFirstSelect() : Form("FirstSelect")
{
    ui::FixedWindow{
        .caption = "Attention",
        .size = {220, 96},
        .clientSize = true,
        .parts = {{&Label1, {42, 16, 150, 13}, {"You must first select an entry"}}, {&BitBtn1, {72, 56, 75, 25}}},
    }.applyTo(*this);
}

}  // namespace qm
