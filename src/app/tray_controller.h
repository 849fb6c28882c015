#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "app/tray_icon_source.h"
#include "engine/batch_actions.h"
#include "engine/engine_ui.h"
#include "platform/tray.h"
#include "ui/messages/attention.h"
#include "ui/messages/empty_boxes.h"
#include "ui/messages/terminating_status.h"
#include "ui/options/option_form.h"
#include "ui/toolkit/toolkit.h"

namespace qm {

inline constexpr std::uint32_t kTrayIconId = 1006;
inline constexpr std::uint32_t kTrayCallbackMessage = 0x8000 + 100;  // WM_APP + 100
inline constexpr std::uint32_t kMouseLeftUp = 0x202;
inline constexpr std::uint32_t kMouseLeftDoubleClick = 0x203;
inline constexpr std::uint32_t kMouseRightUp = 0x205;
// Icon resources of the program: the built-in On and Off tray icons.
inline constexpr int kDefaultOnIconResource = 101;
inline constexpr int kDefaultOffIconResource = 102;

// The tooltip the shell gets: the state's text and a blank, cut to the 63
// characters the tray record holds.
std::string TrayTip(const std::string& tooltip);

// What the tray window needs from the program around it.
struct TrayServices {
  Tray& tray;
  TrayIconSource& icons;
  ui::Application& app;
  TOptionForm1& options;
  TTerminatingStatus& status;
  Tattention& attention;
  TEmptyBoxes& emptyBoxes;
  // The native window that owns the icon and receives its messages.
  std::function<WindowHandle()> ownerWindow;
  // Screen to the tray window's client coordinates, for the popup menu.
  std::function<ScreenPoint(ScreenPoint)> screenToClient;
  // Writes the global settings at shutdown.
  std::function<void()> saveGlobalSettings;
  // True while start-up works on the last file used (no explicit file).
  std::function<bool()> lastFileAutoLoaded;
  // The system's double-click interval in milliseconds; 500 when unset.
  std::function<int()> doubleClickTime;
};

// The hidden tray window: it owns the tray icon and the instance's On/Off
// state, runs the toggle and shuts the instance down. The batches report
// their progress through it.
class TFormMain : public ui::Form, public EngineUi {
 public:
  explicit TFormMain(TrayServices services);

  // The engine is made after the document, which comes after the windows.
  void SetBatchActions(BatchActions& batch) { batch_ = &batch; }
  std::function<void()> BrowseKillNow;
  std::function<void()> HelpMe;
  std::function<void()> AboutClick;

  // Creation's last step: the icon goes into the tray and the window hides.
  void PlaceOnTray();

  bool IsOn() const { return RadioButton1.checked(); }
  bool IconPresent() const { return CheckBox1.checked(); }

  bool UpdateTrayIcon(TrayAction action);
  void RefreshTrayIcon() { UpdateTrayIcon(TrayAction::Modify); }
  void SetStateOn();
  void SetStateOff();
  void RunNow();
  void TerminateNow();
  void ToggleNow();
  void GoActivate();
  void Shutdown1Click() { Shutdown(); }
  // The instance's end, for the tray's and the Options window's commands and
  // for a request from outside: true when the instance is ending. A request
  // while the save-changes question is open is passed over.
  bool Shutdown();
  void Properties1Click();
  // The tray callback message; `mouseMessage` is its second parameter.
  void TrayMessage(std::uint32_t mouseMessage);

  // EngineUi
  void SetStatusText(const std::string& text) override;
  void SetProgress(int percent) override;
  void ShowStatus() override;
  void HideStatus() override;
  void ShowError(const std::string& message) override;
  void MarkConfigChanged() override;
  void WindowToConfig() override;

  ui::Button Button1{*this, "Button1", "&Hide"};
  ui::CheckBox CheckBox1{*this, "CheckBox1", "&Place on tray"};
  ui::RadioButton RadioButton1{*this, "RadioButton1", "State &1"};
  ui::RadioButton RadioButton2{*this, "RadioButton2", "State &2"};
  ui::Image Image2{*this, "Image2"};
  ui::Image Image1{*this, "Image1"};
  ui::PopupMenu PopupMenu1{*this, "PopupMenu1"};
  ui::MenuItem Properties1{*this, "Properties1", "&Options"};
  ui::MenuItem ToggleState1{*this, "ToggleState1", "&Run Programs"};
  ui::MenuItem Shutdown1{*this, "Shutdown1", "&Shutdown Quellmarch"};
  ui::MenuItem About{*this, "About", "&About"};
  ui::Image DefaultOnIcon{*this, "DefaultOnIcon"};
  ui::Image DefaultOffIcon{*this, "DefaultOffIcon"};
  ui::MenuItem N1{*this, "N1", "-"};
  ui::MenuItem Help1{*this, "Help1", "&Help"};
  ui::MenuItem N2{*this, "N2", "-"};
  ui::MenuItem BrowseKill1{*this, "BrowseKill1", "&BrowseKill"};
  ui::MenuItem N3{*this, "N3", "-"};
  ui::MenuItem TerminateProcesses1{*this, "TerminateProcesses1", "&Terminate Processes"};
  // Holds the menu of a left click back until the click cannot become a
  // double-click: an open menu would take the second click for itself.
  ui::Timer MenuDelay{*this, "MenuDelay", 500};

 private:
  void CheckBox1Click();
  void RadioButtonClick();
  void OpenTrayMenu();
  void SetState(bool on);
  void SwitchAndRun(bool on, const std::function<void(BatchActions&)>& run);

  TrayServices s_;
  BatchActions* batch_ = nullptr;
  // The release that ends a double-click is no new click.
  bool swallowLeftUp_ = false;
  bool asking_ = false;
  bool ending_ = false;
};

}  // namespace qm
