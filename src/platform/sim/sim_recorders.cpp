#include "platform/sim/sim_recorders.h"

namespace qm::sim {

std::intptr_t SimShell::Execute(WindowHandle owner, const std::string& verb, const std::string& file,
                                const std::string& parameters, const std::string& directory, int showCommand) {
  calls.push_back({owner, verb, file, parameters, directory, showCommand});
  return onExecute ? onExecute(calls.back()) : 42;
}

bool SimShell::SetScreenSaveActive(bool active) {
  screenSaverSwitches.push_back(active);
  return true;
}

bool SimTray::NotifyIcon(TrayAction action, const TrayIconData& data) {
  calls.push_back({action, data});
  calls.back().data.tip = data.tip.substr(0, 63);  // what NOTIFYICONDATA's 64-byte tip can hold
  return acceptRequests;
}

bool SimTray::SetForegroundWindow(WindowHandle window) {
  foreground = window;
  return true;
}

bool SimHelp::HtmlHelp(WindowHandle owner, const std::string& file, std::uint32_t command, std::uintptr_t data) {
  if (!viewerInstalled) return false;
  calls.push_back({owner, file, command, data});
  return true;
}

}  // namespace qm::sim
