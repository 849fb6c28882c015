#include "ui/messages/notfound.h"

#include "ui/messages/message_form.h"

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
    makeMessageWindow(*this, "Quellmarch Configuration File Not Found", 386, 340);

    // Room for a third line: where the font is wider than Arial the first line wraps.
    makePlainText(Memo1, {8, 6, 362, 60});
    Memo1.setFont(largeArial());
    Memo1.setLines({"You have asked Quellmarch to launch automatically ", "with Windows and run the configuration file:"});

    makePlainText(Memo3, {8, 68, 362, 30});

    makePlainText(Memo2, {8, 100, 362, 40});
    Memo2.setFont(largeArial());
    Memo2.setLines({"This file could not be found; what do you want to do?"});

    GroupBox1.setBounds(8, 142, 362, 128);
    RadioButton1.setParent(GroupBox1);
    RadioButton1.setBounds(10, 14, 344, 34);
    RadioButton2.setParent(GroupBox1);
    RadioButton2.setBounds(10, 51, 344, 34);
    RadioButton3.setParent(GroupBox1);
    RadioButton3.setBounds(10, 88, 344, 34);
    RadioButton3.setChecked(true);

    BitBtn1.setBounds(152, 278, 75, 25);

    OpenDialog1.title = "Browse for Configuration File";
    OpenDialog1.filter = "Quellmarch Configuration files (*.qmf)|*.qmf";
    OpenDialog1.defaultExt = "qmf";
}

}  // namespace qm
