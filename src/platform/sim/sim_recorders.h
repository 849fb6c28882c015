#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/help.h"
#include "platform/shell.h"
#include "platform/tray.h"

namespace qm::sim {

// The services whose effect lies outside the program: the simulated machine
// only records each request, so tests can read what would have happened.

struct ShellCall {
  WindowHandle owner = 0;
  std::string verb, file, parameters, directory;
  int showCommand = 0;
};

class SimShell final : public Shell {
 public:
  std::intptr_t Execute(WindowHandle owner, const std::string& verb, const std::string& file,
                        const std::string& parameters, const std::string& directory, int showCommand) override;
  bool SetScreenSaveActive(bool active) override;

  std::vector<ShellCall> calls;
  std::vector<bool> screenSaverSwitches;
  // Decides each call's result (and may start a simulated process); by
  // default every call succeeds with 42.
  std::function<std::intptr_t(const ShellCall&)> onExecute;
};

struct TrayCall {
  TrayAction action = TrayAction::Add;
  TrayIconData data;
};

class SimTray final : public Tray {
 public:
  bool NotifyIcon(TrayAction action, const TrayIconData& data) override;
  std::optional<ScreenPoint> GetCursorPos() override { return cursor; }
  bool SetForegroundWindow(WindowHandle window) override;

  std::vector<TrayCall> calls;
  bool acceptRequests = true;
  std::optional<ScreenPoint> cursor = ScreenPoint{800, 600};
  WindowHandle foreground = 0;
};

struct HelpCall {
  WindowHandle owner = 0;
  std::string file;
  std::uint32_t command = 0;
  std::uintptr_t data = 0;
};

class SimHelp final : public Help {
 public:
  bool HtmlHelp(WindowHandle owner, const std::string& file, std::uint32_t command, std::uintptr_t data) override;

  std::vector<HelpCall> calls;
  bool viewerInstalled = true;  // false: HHCTRL.OCX is missing, nothing is recorded
};

}  // namespace qm::sim
