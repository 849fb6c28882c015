#include "sample_window.h"

#include "ui/pictures.h"

#include <cstdint>
#include <vector>

namespace qm::gallery {

TControlSample::TControlSample() : Form("ControlSample")
{
    setCaption("Toolkit sample");
    setPosition(ui::FormPosition::ScreenCenter);
    setBorderIcons({true, false, true});
    File1.add(Open1);
    MainMenu1.add(File1);
    MainMenu1.add(Help1);
    setMenu(&MainMenu1);
    setClientSize(560, 400);

    GroupBox1.setBounds(8, 4, 170, 64);
    CheckBox1.setParent(GroupBox1);
    CheckBox1.setBounds(10, 18, 150, 17);
    CheckBox1.setChecked(true);
    CheckBox1.setHint("If checked, this configuration file will automatically be processed when windows starts.");
    CheckBox2.setParent(GroupBox1);
    CheckBox2.setBounds(10, 40, 150, 17);

    RadioGroup1.setBounds(186, 4, 170, 80);
    RadioGroup1.setItems({"DblClick = Toggle", "DblClick = Browse", "DblClick = Options"});
    RadioGroup1.setItemIndex(0);

    Label1.setBounds(8, 92, 300, 13);
    CheckListBox1.setBounds(8, 108, 360, 92);
    CheckListBox1.add("notepad.exe         C:\\WINDOWS\\", true);
    CheckListBox1.add("winamp.exe          C:\\Program Files\\Winamp\\ {min}", false);
    CheckListBox1.add("SETI@home           C:\\Program Files\\SETI\\ {harsh}", true);
    CheckListBox1.setItemIndex(1);

    ListBox1.setBounds(376, 108, 176, 92);
    ListBox1.setSorted(true);
    ListBox1.setItems({"zeta", "Alpha", "beta"});

    Edit1.setBounds(8, 208, 224, 21);
    SpeedButton1.setBounds(236, 208, 23, 22);
    Edit1.setMaxLength(60);
    Edit1.setText("Quellmarch: Double-Click to Run Programs");

    TrackBar1.setBounds(266, 206, 200, 30);
    TrackBar1.setRange(1, 700);
    TrackBar1.setFrequency(25);
    TrackBar1.setPosition(150);

    ProgressBar1.setBounds(8, 240, 250, 16);
    ProgressBar1.setPosition(60);

    Bevel1.setBounds(474, 206, 78, 50);
    Image1.setBounds(497, 215, 32, 32);
    Image1.setStretch(true);
    std::vector<std::uint32_t> pixels(16 * 16);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            pixels[static_cast<std::size_t>(y * 16 + x)] = (x + y) % 2 == 0 ? 0xFF2060C0u : 0xFFE0A020u;
        }
    }
    Image1.setPicture(ui::Picture::fromPixels(16, 16, std::move(pixels)));

    PageControl1.setBounds(8, 264, 360, 104);
    Memo1.setParent(TabSheet1);
    Memo1.setBounds(4, 4, 340, 66);
    Memo1.setReadOnly(true);
    Memo1.setScrollBars(ui::ScrollBars::Vertical);
    Memo1.setLines({"Quellmarch version 1.0.6", "A memo with a vertical scroll bar,", "on the first page of a page control.",
                    "Fourth line", "Fifth line", "Sixth line"});

    Image2.setParent(TabSheet2);
    Image2.setBounds(8, 8, 10, 10);
    Image2.setAutoSize(true);
    Image2.setPicture(pictures::Banner());

    Button1.setBounds(376, 300, 75, 25);
    BitBtn3.setBounds(460, 300, 75, 25);
    BitBtn1.setBounds(376, 340, 75, 25);
    BitBtn2.setBounds(460, 340, 75, 25);

    StatusBar1.setBounds(0, 381, 560, 19);
    StatusBar1.setSimpleText("A status bar with one simple panel");
}

}  // namespace qm::gallery
