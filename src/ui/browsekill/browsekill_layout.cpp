#include "ui/browsekill/browsekill_form.h"

namespace qm {

namespace {
// The status bar keeps to the bottom of the client area, the height of one
// line of its font.
constexpr int kStatusBarHeight = 19;
}  // namespace

// Design rectangles at the design size. The column headings stand over the
// two columns of the rows: the check mark's box and 20 characters of the
// fixed-pitch font hold the file name.
void TBrowseKill::Layout() {
  setSize(kDesignWidth, kDesignHeight);
  Label4.setBounds(28, 4, 90, 13);
  Label1.setBounds(189, 4, 40, 13);
  CheckBox1.setBounds(423, 1, 200, 17);
  CheckListBox1.setBounds(8, 19, 611, 406);
  Button1.setBounds(8, 431, 75, 25);
  Button2.setBounds(88, 431, 75, 25);
  Button3.setBounds(168, 431, 75, 25);
  BitBtn1.setBounds(341, 431, 117, 25);
  BitBtn2.setBounds(466, 431, 72, 25);
  BitBtn3.setBounds(545, 431, 75, 25);
  Label3.setBounds(8, 463, 325, 13);
  Label2.setBounds(341, 463, 270, 13);
  ResizeIt();
}

// The window's resize event: controls keep fixed offsets from the window's
// outer width and height.
void TBrowseKill::ResizeIt() {
  const int w = width();
  const int h = height();
  CheckBox1.setLeft(w - 212);
  CheckListBox1.setWidth(w - 24);
  CheckListBox1.setHeight(h - 118);
  for (ui::Control* button : std::initializer_list<ui::Control*>{&Button1, &Button2, &Button3}) button->setTop(h - 93);
  BitBtn1.setBounds(w - 294, h - 93, BitBtn1.width(), BitBtn1.height());
  BitBtn2.setBounds(w - 169, h - 93, BitBtn2.width(), BitBtn2.height());
  BitBtn3.setBounds(w - 90, h - 93, BitBtn3.width(), BitBtn3.height());
  Label3.setTop(h - 61);
  Label2.setTop(h - 61);
  StatusBar1.setBounds(0, clientHeight() - kStatusBarHeight, clientWidth(), kStatusBarHeight);
}

}  // namespace qm
