#include "app/win32_tray_route.h"

#include <windows.h>

#include <utility>

namespace qm::win32 {

namespace {

struct Route {
  UINT message = 0;
  std::function<void(std::uint32_t)> handler;
  WNDPROC previous = nullptr;
};
Route g_route;

LRESULT CALLBACK TrayWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == g_route.message && g_route.handler) g_route.handler(static_cast<std::uint32_t>(lp));
  return CallWindowProcA(g_route.previous, hwnd, msg, wp, lp);
}

}  // namespace

void TrayMessageRoute::Begin(WindowHandle window, std::uint32_t callbackMessage,
                             std::function<void(std::uint32_t)> onTrayMessage) {
  g_route.message = callbackMessage;
  g_route.handler = std::move(onTrayMessage);
  g_route.previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(reinterpret_cast<HWND>(window), GWLP_WNDPROC,
                                                                 reinterpret_cast<LONG_PTR>(&TrayWindowProc)));
}

void TrayMessageRoute::End() { g_route = {}; }

}  // namespace qm::win32
