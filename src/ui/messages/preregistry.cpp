#include "ui/messages/preregistry.h"

namespace qm {

Tpreregistry::Tpreregistry() : Form("preregistry")
{
    ui::FixedWindow{
        .caption = "Note",
        .size = {537, 215},
        .parts =
            {
                {&preregistry,
                 {8, 6, 515, 146},
                 {
                     "Because you have checked the \"Start with Windows\" box for this configuration, Quellmarch "
                     "needs to ",
                     "insert an entry into your windows registry.",
                     "",
                     "The inserted key will be at HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                     "",
                     "Afterwards, Quellmarch will load this configuration file each time windows starts.",
                     "",
                     "You can always remove the registry key by unchecking the \"Start with WIndows\" box and "
                     "re-saving this file.",
                 }},
                {&BitBtn1, {182, 156, 75, 25}},
                {&BitBtn2, {274, 156, 75, 25}},
            },
    }.applyTo(*this);
}

}  // namespace qm
