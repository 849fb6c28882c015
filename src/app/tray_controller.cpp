#include "app/tray_controller.h"

namespace qm {

std::string TrayTip(const std::string& tooltip) {
  std::string tip = tooltip + " ";
  if (tip.size() >= 64) tip.resize(63);
  return tip;
}

TFormMain::TFormMain(TrayServices services) : Form("FormMain"), s_(std::move(services)) {
  setCaption("Tray Icon");
  setBorderStyle(ui::BorderStyle::Dialog);
  setBorderIcons({true, false, false});
  setPosition(ui::FormPosition::ScreenCenter);
  setClientSize(188, 176);
  CheckBox1.setBounds(16, 16, 120, 17);
  RadioButton1.setBounds(16, 48, 100, 17);
  RadioButton2.setBounds(16, 72, 100, 17);
  Image1.setBounds(130, 44, 32, 32);
  Image2.setBounds(130, 84, 32, 32);
  Button1.setBounds(56, 136, 75, 25);
  Button1.setEnabled(false);
  RadioButton1.setChecked(true);
  DefaultOnIcon.setBounds(0, 0, 32, 32);
  DefaultOffIcon.setBounds(0, 0, 32, 32);
  DefaultOnIcon.setVisible(false);
  DefaultOffIcon.setVisible(false);
  DefaultOnIcon.setPicture(ui::Picture::fromResource(kDefaultOnIconResource));
  DefaultOffIcon.setPicture(ui::Picture::fromResource(kDefaultOffIconResource));
  Image1.setPicture(DefaultOnIcon.picture());
  Image2.setPicture(DefaultOffIcon.picture());

  for (ui::MenuItem* item : {&Properties1, &BrowseKill1, &N3, &ToggleState1, &TerminateProcesses1, &N1, &Help1,
                             &About, &N2, &Shutdown1}) {
    PopupMenu1.add(*item);
  }
  Properties1.onClick = [this] { Properties1Click(); };
  BrowseKill1.onClick = [this] {
    if (BrowseKillNow) BrowseKillNow();
  };
  ToggleState1.onClick = [this] { RunNow(); };
  TerminateProcesses1.onClick = [this] { TerminateNow(); };
  Help1.onClick = [this] {
    if (HelpMe) HelpMe();
  };
  About.onClick = [this] {
    if (AboutClick) AboutClick();
  };
  Shutdown1.onClick = [this] { Shutdown1Click(); };
  Button1.onClick = [this] { hide(); };
  CheckBox1.onClick = [this] { CheckBox1Click(); };
  RadioButton1.onClick = [this] { RadioButtonClick(); };
  RadioButton2.onClick = [this] { RadioButtonClick(); };
  MenuDelay.setEnabled(false);
  MenuDelay.onTimer = [this] {
    MenuDelay.setEnabled(false);
    OpenTrayMenu();
  };
}

void TFormMain::PlaceOnTray() {
  CheckBox1.setChecked(true);
  CheckBox1Click();
  hide();
}

bool TFormMain::UpdateTrayIcon(TrayAction action) {
  TrayIconData data;
  data.owner = s_.ownerWindow ? s_.ownerWindow() : 0;
  data.id = kTrayIconId;
  data.callbackMessage = kTrayCallbackMessage;
  if (action == TrayAction::Modify) {
    const bool on = IsOn();
    data.icon = s_.icons.HandleFor((on ? s_.options.IconOn : s_.options.IconOff).picture());
    data.tip = TrayTip((on ? s_.options.OnTooltip : s_.options.OffTooltip).text());
  }
  return s_.tray.NotifyIcon(action, data);
}

void TFormMain::CheckBox1Click() {
  if (CheckBox1.checked()) {
    UpdateTrayIcon(TrayAction::Add);
    UpdateTrayIcon(TrayAction::Modify);
  } else {
    UpdateTrayIcon(TrayAction::Delete);
  }
  Button1.setEnabled(CheckBox1.checked());
}

void TFormMain::RadioButtonClick() {
  if (CheckBox1.checked()) UpdateTrayIcon(TrayAction::Modify);
}

void TFormMain::SetStateOn() {
  RadioButton1.setChecked(true);
  RadioButton2.setChecked(false);
  UpdateTrayIcon(TrayAction::Modify);
}

void TFormMain::SetStateOff() {
  RadioButton2.setChecked(true);
  RadioButton1.setChecked(false);
  UpdateTrayIcon(TrayAction::Modify);
}

void TFormMain::SetState(bool on) {
  if (on) {
    SetStateOn();
  } else {
    SetStateOff();
  }
}

// A batch that ends in an error did not complete the switch, so the state
// goes back to what the command found.
void TFormMain::SwitchAndRun(bool on, const std::function<void(BatchActions&)>& run) {
  const bool wasOn = IsOn();
  SetState(on);
  try {
    if (batch_ != nullptr) run(*batch_);
  } catch (...) {
    SetState(wasOn);
    throw;
  }
}

void TFormMain::RunNow() {
  EntryList& programs = s_.options.ProgramEntries();
  if (programs.Count() == 0) {
    s_.attention.ShowAttention("There are no programs listed to run.");
    return;
  }
  SwitchAndRun(true, [&](BatchActions& batch) { batch.RunAll(programs); });
  if (CountChecked(s_.options.ProcessEntries()) == 0) SetStateOff();
}

void TFormMain::TerminateNow() {
  EntryList& processes = s_.options.ProcessEntries();
  if (processes.Count() == 0) {
    s_.attention.ShowAttention(
        "There are no processes listed for termination.  If you wanted to browse a list of running processes, use "
        "the BrowseKill option.");
    return;
  }
  SwitchAndRun(false, [&](BatchActions& batch) { batch.TerminateAll(processes); });
  if (CountChecked(s_.options.ProgramEntries()) == 0) SetStateOn();
}

void TFormMain::ToggleNow() {
  if (CountChecked(s_.options.ProgramEntries()) == 0 && CountChecked(s_.options.ProcessEntries()) == 0) {
    // The hint is open already (this double-click came from inside its
    // loop): bring it forward, and nothing else.
    if (s_.emptyBoxes.isModal()) {
      s_.emptyBoxes.show();
      return;
    }
    s_.options.PreShow();
    s_.options.show();
    s_.emptyBoxes.showModal();
    return;
  }
  if (IsOn()) {
    TerminateNow();
  } else {
    RunNow();
  }
  const bool autoLoaded = s_.lastFileAutoLoaded && s_.lastFileAutoLoaded();
  if (s_.options.CheckBox2.checked() && !autoLoaded) Shutdown1Click();
}

void TFormMain::GoActivate() {
  switch (s_.options.ClickAction.itemIndex()) {
    case 0:
      ToggleNow();
      break;
    case 1:
      if (BrowseKillNow) BrowseKillNow();
      break;
    default:
      s_.options.show();
      break;
  }
}

void TFormMain::Properties1Click() {
  s_.options.PreShow();
  s_.options.show();
}

bool TFormMain::Shutdown() {
  if (ending_) return true;
  if (asking_) return false;
  asking_ = true;
  struct Asked {
    bool& asking;
    ~Asked() { asking = false; }
  } asked{asking_};
  if (!s_.options.AskSaveChanges()) return false;
  ending_ = true;
  if (s_.saveGlobalSettings) s_.saveGlobalSettings();
  UpdateTrayIcon(TrayAction::Delete);
  // Closing the main window (the splash) ends the message loop.
  if (ui::Form* main = s_.app.mainForm()) {
    main->close();
  } else {
    s_.app.terminate();
  }
  return true;
}

void TFormMain::TrayMessage(std::uint32_t mouseMessage) {
  switch (mouseMessage) {
    case kMouseLeftUp:
      if (swallowLeftUp_) {
        swallowLeftUp_ = false;
        break;
      }
      MenuDelay.setInterval(s_.doubleClickTime ? s_.doubleClickTime() : 500);
      MenuDelay.setEnabled(true);
      break;
    case kMouseRightUp:
      // The menu opens now, so a left click's delayed one must not follow.
      MenuDelay.setEnabled(false);
      swallowLeftUp_ = false;
      OpenTrayMenu();
      break;
    case kMouseLeftDoubleClick:
      MenuDelay.setEnabled(false);
      swallowLeftUp_ = true;
      GoActivate();
      break;
    default:
      break;
  }
}

void TFormMain::OpenTrayMenu() {
  const std::optional<ScreenPoint> cursor = s_.tray.GetCursorPos();
  if (!cursor) {
    show();
    return;
  }
  const ScreenPoint at = s_.screenToClient ? s_.screenToClient(*cursor) : *cursor;
  s_.tray.SetForegroundWindow(s_.ownerWindow ? s_.ownerWindow() : 0);
  PopupMenu1.popup(nullptr, at.x, at.y);
}

void TFormMain::SetStatusText(const std::string& text) { s_.status.setStatusText(text); }
void TFormMain::SetProgress(int percent) { s_.status.setProgress(percent); }
void TFormMain::ShowStatus() { s_.status.showWithoutFocus(); }
void TFormMain::HideStatus() { s_.status.hideStatus(); }
void TFormMain::ShowError(const std::string& message) { s_.app.messageBox(message); }
void TFormMain::MarkConfigChanged() { s_.options.SetDirty(); }
void TFormMain::WindowToConfig() { s_.options.WindowToConfig(); }

}  // namespace qm
