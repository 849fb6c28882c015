#pragma once

#include <cstdint>
#include <functional>

#include "platform/handles.h"

namespace qm::win32 {

// Routes the shell's tray callback message of the tray window to the tray
// controller: the window is subclassed, and every other message goes on to
// its own procedure. One per process.
class TrayMessageRoute {
 public:
  TrayMessageRoute() = default;
  TrayMessageRoute(const TrayMessageRoute&) = delete;
  TrayMessageRoute& operator=(const TrayMessageRoute&) = delete;
  ~TrayMessageRoute() { End(); }

  // `onTrayMessage` receives the callback message's second parameter.
  void Begin(WindowHandle window, std::uint32_t callbackMessage, std::function<void(std::uint32_t)> onTrayMessage);
  // Gives the window its own procedure back. Due before the window is
  // destroyed; a window destroyed while routed ends the route itself.
  void End();
};

}  // namespace qm::win32
