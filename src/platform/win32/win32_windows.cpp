#include "platform/win32/win32_windows.h"

#include <windows.h>

namespace qm::win32 {

namespace {

BOOL CALLBACK VisitWindow(HWND window, LPARAM context) {
  const auto& visit = *reinterpret_cast<const std::function<bool(WindowHandle)>*>(context);
  return visit(reinterpret_cast<WindowHandle>(window)) ? TRUE : FALSE;
}

HWND AsWindow(WindowHandle window) { return reinterpret_cast<HWND>(window); }

}  // namespace

void Win32Windows::EnumWindows(const std::function<bool(WindowHandle)>& visit) {
  ::EnumWindows(VisitWindow, reinterpret_cast<LPARAM>(&visit));
}

ProcessId Win32Windows::GetWindowThreadProcessId(WindowHandle window) {
  DWORD pid = 0;
  // A zero thread id means the window has gone; whatever pid came with it is void.
  if (::GetWindowThreadProcessId(AsWindow(window), &pid) == 0) return 0;
  return pid;
}

std::string Win32Windows::GetWindowTextA(WindowHandle window, std::size_t limit) {
  if (limit == 0) return {};
  std::string title(limit, '\0');
  const int length = ::GetWindowTextA(AsWindow(window), title.data(), static_cast<int>(limit));
  title.resize(length <= 0 ? 0 : (static_cast<std::size_t>(length) < limit ? static_cast<std::size_t>(length) : limit - 1));
  return title;
}

bool Win32Windows::PostCloseMessage(WindowHandle window) {
  return ::PostMessageA(AsWindow(window), WM_CLOSE, 0, 0) != 0;
}

}  // namespace qm::win32
