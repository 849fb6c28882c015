#include "ui/dialogs/process_picker.h"

#include "config/entry_grammar.h"
#include "engine/process_row.h"

namespace qm {

namespace {

constexpr int kStatusBarHeight = 19;

}  // namespace

TFormProc::TFormProc(Processes& processes, TopWindows& windows)
    : Form("FormProc"), snapshot(processes, windows, [this] { return CheckBox1.checked(); }) {
  setCaption("Select a Process to Copy into Edit Box");
  setBorderIcons({true, false, true});
  setStayOnTop(true);
  setPosition(ui::FormPosition::ScreenCenter);
  setMinimumSize(630, 160);
  setSize(kDesignWidth, kDesignHeight);

  // The headings stand over the columns of the rows: the pid from the first
  // character, the name from the 15th and the path after the 19 of the name
  // and a blank, in the list's 8-pixel fixed-pitch characters.
  Label2.setBounds(12, 6, 60, 13);
  Label4.setBounds(124, 6, 80, 13);
  Label5.setBounds(284, 6, 40, 13);
  Label3.setBounds(462, 6, 6, 13);
  Label1.setBounds(469, 6, 210, 13);
  ListBox1.setBounds(8, 22, 669, 406);
  ListBox1.setFont(ui::Font::fixed());
  ListBox1.setItemHeight(15);
  ListBox1.setEnabled(false);
  Button1.setBounds(8, 435, 75, 25);
  // Narrow enough to end before OK at the smallest width (OK's left is then
  // 377); its caption needs about 260.
  CheckBox1.setBounds(96, 438, 275, 17);
  BitBtn1.setBounds(440, 434, 75, 25);
  BitBtn3.setBounds(520, 434, 75, 25);
  BitBtn2.setBounds(599, 434, 75, 25);

  Button1.onClick = [this] { RefreshForShow(); };
  CheckBox1.onClick = [this] { RefreshForShow(); };
  BitBtn3.onClick = [this] { Help(); };
  ListBox1.onDblClick = [this] {
    if (isModal()) setModalResult(ui::ModalResult::Ok);
  };
  onShow = [this] {
    // The client area is known once the window has its frame; the status
    // bar follows it.
    ResizeIt();
    ShowLastRefresh();
  };
  onResize = [this] { ResizeIt(); };
}

void TFormProc::RefreshForShow() {
  snapshot.RefreshForShow();
  ShowLastRefresh();
}

void TFormProc::ShowLastRefresh() {
  ListBox1.setEnabled(snapshot.Refreshed());
  if (shownRefresh_ == snapshot.RefreshCount()) return;
  shownRefresh_ = snapshot.RefreshCount();
  ListBox1.setItems(snapshot.Rows());
}

std::optional<std::string> TFormProc::SelectedNameText() const {
  const int index = ListBox1.itemIndex();
  if (index < 0) return std::nullopt;
  return std::string(RowNameText(ListBox1.item(index)));
}

std::optional<std::string> TFormProc::ShowAndPick() {
  if (showModal() != ui::ModalResult::Ok) return std::nullopt;
  const std::optional<std::string> name = SelectedNameText();
  if (!name) return std::nullopt;
  return DisplayToStored(Trim(*name));
}

// The window's resize event: W and H are its outer width and height.
void TFormProc::ResizeIt() {
  const int w = width();
  const int h = height();
  ListBox1.setWidth(w - 24);
  ListBox1.setHeight(h - 103);
  Label1.setLeft(w - 224);
  Label3.setLeft(w - 231);
  BitBtn1.setBounds(w - 253, h - 75, BitBtn1.width(), BitBtn1.height());
  BitBtn3.setBounds(w - 173, h - 75, BitBtn3.width(), BitBtn3.height());
  BitBtn2.setBounds(w - 94, h - 75, BitBtn2.width(), BitBtn2.height());
  Button1.setTop(h - 74);
  CheckBox1.setTop(h - 71);
  // The status bar lies along the bottom edge, as a status bar does.
  StatusBar1.setBounds(0, clientHeight() - kStatusBarHeight, clientWidth(), kStatusBarHeight);
}

}  // namespace qm
