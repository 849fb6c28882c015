#include "platform/sim/sim_windows.h"

#include <vector>

namespace qm::sim {

void SimWindows::EnumWindows(const std::function<bool(WindowHandle)>& visit) {
  // Like the real call, the walk works on the windows that existed when it
  // began; one that goes meanwhile is still visited.
  std::vector<WindowHandle> handles;
  for (const SimWindow& w : world_.Windows()) handles.push_back(w.handle);
  for (WindowHandle h : handles) {
    if (!visit(h)) return;
  }
}

ProcessId SimWindows::GetWindowThreadProcessId(WindowHandle window) {
  const SimWindow* w = world_.FindWindow(window);
  return (w == nullptr || w->gone) ? 0 : w->owner;
}

std::string SimWindows::GetWindowTextA(WindowHandle window, std::size_t limit) {
  const SimWindow* w = world_.FindWindow(window);
  if (w == nullptr || w->gone || limit == 0) return {};
  return w->title.substr(0, limit - 1);
}

bool SimWindows::PostCloseMessage(WindowHandle window) {
  SimWindow* w = world_.FindWindow(window);
  if (w == nullptr || w->gone) return false;
  ++w->closeRequests;
  if (SimProcess* owner = world_.FindLive(w->owner)) world_.DeliverClose(*owner);  // may remove `w`
  return true;
}

}  // namespace qm::sim
