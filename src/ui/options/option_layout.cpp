#include "ui/options/option_form.h"

namespace qm {

// Design rectangles, at the design font size.
void TOptionForm1::Layout() {
  setSize(kDesignWidth, kDesignHeight);
  Image3.setBounds(0, 4, 45, 527);
  RadioGroup1.setBounds(47, -1, 125, 67);
  CheckBox1.setBounds(54, 14, 112, 17);
  CheckBox5.setBounds(54, 30, 113, 17);
  CheckBox2.setBounds(54, 46, 116, 17);
  StartLocation.setBounds(47, 66, 125, 56);
  ClickAction.setBounds(174, -1, 121, 67);
  StartState.setBounds(174, 66, 121, 56);
  GroupBox2.setBounds(298, -1, 327, 124);
  for (ui::Control* c : std::initializer_list<ui::Control*>{&IconOn, &IconOff, &Button3, &Label8, &OnTooltip,
                                                            &Label9, &OffTooltip}) {
    c->setParent(GroupBox2);
  }
  IconOn.setBounds(8, 20, 32, 32);
  IconOff.setBounds(8, 80, 32, 32);
  Button3.setBounds(45, 58, 87, 17);
  Label8.setBounds(180, 14, 138, 13);
  OnTooltip.setBounds(135, 26, 184, 21);
  Label9.setBounds(180, 73, 138, 13);
  OffTooltip.setBounds(135, 86, 184, 21);
  Button1.setBounds(343, 23, 87, 25);
  Button2.setBounds(343, 83, 87, 25);
  GroupBox3.setBounds(47, 122, 578, 53);
  for (ui::Control* c : std::initializer_list<ui::Control*>{&Label7, &TrackBar1, &CheckBox3, &CheckBox4}) {
    c->setParent(GroupBox3);
  }
  Label7.setBounds(17, 21, 86, 13);
  TrackBar1.setBounds(105, 16, 312, 25);
  CheckBox3.setBounds(436, 11, 133, 17);
  CheckBox4.setBounds(436, 29, 113, 17);
  GroupBox1.setBounds(47, 176, 578, 355);
  for (ui::Control* c : std::initializer_list<ui::Control*>{&Label1, &Label4, &CheckListBox1, &Label2, &Label5,
                                                            &Button4, &CheckListBox2}) {
    c->setParent(GroupBox1);
  }
  Label1.setBounds(8, 24, 300, 13);
  Label4.setBounds(8, 40, 196, 13);
  CheckListBox1.setBounds(8, 56, 561, 122);
  Label2.setBounds(8, 192, 341, 13);
  Label5.setBounds(8, 208, 196, 13);
  Button4.setBounds(494, 197, 75, 25);
  CheckListBox2.setBounds(9, 223, 561, 122);
}

// The window's resize event: controls keep fixed offsets from the window's
// outer width and height, so the two lists share the height that is left.
void TOptionForm1::ResizeIt() {
  const int w = width();
  const int h = height();
  GroupBox2.setWidth(w - 306);
  Label8.setLeft(w - 453);
  Label9.setLeft(w - 453);
  OnTooltip.setWidth(w - 449);
  OffTooltip.setWidth(w - 449);
  GroupBox3.setWidth(w - 55);
  TrackBar1.setWidth(w - 321);
  CheckBox3.setLeft(w - 197);
  CheckBox4.setLeft(w - 197);
  GroupBox1.setWidth(w - 55);
  GroupBox1.setHeight(h - 223);
  const int listHeight = (h - 334) / 2;
  CheckListBox1.setWidth(w - 72);
  CheckListBox1.setHeight(listHeight);
  CheckListBox2.setWidth(w - 72);
  CheckListBox2.setTop(CheckListBox1.top() + listHeight + 45);
  CheckListBox2.setHeight(listHeight);
  Button4.setLeft(w - 139);
  Button4.setTop(CheckListBox2.top() - 26);
  Label2.setTop(CheckListBox2.top() - 31);
  Label5.setTop(CheckListBox2.top() - 15);
  Image3.setHeight(h - 51);
}

}  // namespace qm
