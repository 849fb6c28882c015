#include "app/win32_tray_route.h"

#include <windows.h>

#include <utility>

namespace qm::win32 {

namespace {

struct Route {
  HWND window = nullptr;
  UINT message = 0;
  std::function<void(std::uint32_t)> handler;
  WNDPROC previous = nullptr;
};
Route g_route;

LRESULT CALLBACK TrayWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// The window's own procedure comes back first, and only then is the route
// forgotten: a message in between must never meet a procedure that is gone.
void EndRoute() {
  if (g_route.window != nullptr && IsWindow(g_route.window) &&
      GetWindowLongPtrA(g_route.window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&TrayWindowProc)) {
    SetWindowLongPtrA(g_route.window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_route.previous));
  }
  g_route = {};
}

LRESULT CALLBACK TrayWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  const WNDPROC previous = g_route.previous;
  if (msg == g_route.message && g_route.handler) g_route.handler(static_cast<std::uint32_t>(lp));
  // The window goes: its own procedure takes over for the rest.
  if (msg == WM_NCDESTROY) EndRoute();
  return CallWindowProcA(previous, hwnd, msg, wp, lp);
}

}  // namespace

void TrayMessageRoute::Begin(WindowHandle window, std::uint32_t callbackMessage,
                             std::function<void(std::uint32_t)> onTrayMessage) {
  EndRoute();
  g_route.window = reinterpret_cast<HWND>(window);
  g_route.message = callbackMessage;
  g_route.handler = std::move(onTrayMessage);
  g_route.previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(g_route.window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TrayWindowProc)));
}

void TrayMessageRoute::End() { EndRoute(); }

}  // namespace qm::win32
