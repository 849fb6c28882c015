#include <windows.h>
#include <shellapi.h>

#include <cstring>

#include "platform/win32/win32_services.h"

namespace qm::win32 {

static_assert(sizeof(void*) != 4 || NOTIFYICONDATAA_V2_SIZE == 488, "the tray record layout the shell expects");

bool Win32Tray::NotifyIcon(TrayAction action, const TrayIconData& data) {
  NOTIFYICONDATAA record{};
  // The Windows 2000 layout (488 bytes in the 32-bit exe): older shells read
  // only its first part, newer ones take the size as the version.
  record.cbSize = NOTIFYICONDATAA_V2_SIZE;
  record.hWnd = reinterpret_cast<HWND>(data.owner);
  record.uID = data.id;
  record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  record.uCallbackMessage = data.callbackMessage;
  record.hIcon = reinterpret_cast<HICON>(data.icon);
  // 63 characters: all that the oldest shells show.
  std::strncpy(record.szTip, data.tip.c_str(), 63);
  const DWORD message = action == TrayAction::Add ? NIM_ADD : action == TrayAction::Modify ? NIM_MODIFY : NIM_DELETE;
  return ::Shell_NotifyIconA(message, &record) != 0;
}

std::optional<ScreenPoint> Win32Tray::GetCursorPos() {
  POINT point{};
  if (!::GetCursorPos(&point)) return std::nullopt;
  return ScreenPoint{point.x, point.y};
}

bool Win32Tray::SetForegroundWindow(WindowHandle window) {
  return ::SetForegroundWindow(reinterpret_cast<HWND>(window)) != 0;
}

}  // namespace qm::win32
