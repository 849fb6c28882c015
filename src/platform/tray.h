#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/handles.h"

namespace qm {

enum class TrayAction { Add = 0, Modify = 1, Delete = 2 };

// What one Shell_NotifyIconA call carries.
struct TrayIconData {
  WindowHandle owner = 0;
  std::uint32_t id = 0;
  std::uint32_t callbackMessage = 0;
  IconHandle icon = 0;
  std::string tip;  // at most 63 characters reach the shell
};

struct ScreenPoint {
  int x = 0;
  int y = 0;
};

class Tray {
 public:
  virtual ~Tray() = default;

  // Shell_NotifyIconA; true when the shell accepted the request.
  virtual bool NotifyIcon(TrayAction action, const TrayIconData& data) = 0;
  // GetCursorPos; nothing when it fails.
  virtual std::optional<ScreenPoint> GetCursorPos() = 0;
  virtual bool SetForegroundWindow(WindowHandle window) = 0;
};

}  // namespace qm
