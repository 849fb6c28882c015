#include "ui/messages/notfound.h"

namespace qm {

namespace {

ui::Font largeArial()
{
    ui::Font font;
    font.face = "Arial";
    font.pixelHeight = 16;
    return font;
}

}  // namespace

Tnotfound::Tnotfound() : Form("notfound")
{
    for (ui::RadioButton* radio : {&RadioButton1, &RadioButton2, &RadioButton3}) {
        radio->setParent(GroupBox1);
    }
    ui::FixedWindow{
        .caption = "Quellmarch Configuration File Not Found",
        .size = {386, 340},
        .parts =
            {
                // Room for a third line: where the font is wider than Arial the first line wraps.
                {&Memo1,
                 {8, 6, 362, 60},
                 {"You have asked Quellmarch to launch automatically ", "with Windows and run the configuration file:"},
                 largeArial()},
                {&Memo3, {8, 68, 362, 30}},
                {&Memo2, {8, 100, 362, 40}, {"This file could not be found; what do you want to do?"}, largeArial()},
                {&GroupBox1, {8, 142, 362, 128}},
                {&RadioButton1, {10, 14, 344, 34}},
                {&RadioButton2, {10, 51, 344, 34}},
                {&RadioButton3, {10, 88, 344, 34}},
                {&BitBtn1, {152, 278, 75, 25}},
            },
    }.applyTo(*this);
    RadioButton3.setChecked(true);

    OpenDialog1.title = "Browse for Configuration File";
    OpenDialog1.filter = "Quellmarch Configuration files (*.qmf)|*.qmf";
    OpenDialog1.defaultExt = "qmf";
}

}  // namespace qm
