// Windows entry point of Quellmarch: the real services, real windows, and the
// tray icon's callback message routed to the tray window.
#include <windows.h>

#include <string>

#include "app/instance.h"
#include "app/win32_tray_icons.h"
#include "platform/win32/win32_platform.h"
#include "ui/toolkit/win32/win32_backend.h"

namespace {

// The tray window's own procedure sees the shell's callback message first;
// everything else goes on to the toolkit's procedure.
struct TrayRoute {
  qm::TFormMain* window = nullptr;
  qm::ui::Application* app = nullptr;
  WNDPROC previous = nullptr;
};
TrayRoute g_tray;

LRESULT CALLBACK TrayWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == qm::kTrayCallbackMessage && g_tray.window != nullptr) {
    g_tray.app->guard([&] { g_tray.window->TrayMessage(static_cast<std::uint32_t>(lp)); });
  }
  return CallWindowProcA(g_tray.previous, hwnd, msg, wp, lp);
}

HWND HandleOf(const qm::ui::Form& form) { return static_cast<HWND>(qm::ui::win32::Win32Backend::handleOf(form)); }

std::string ModulePath() {
  char buffer[MAX_PATH + 1] = {};
  const DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  return std::string(buffer, length);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  qm::win32::Win32Platform platform;
  qm::ui::win32::Win32Backend backend;
  qm::win32::Win32TrayIcons icons;

  qm::AppEnvironment env{
      platform.platform(),
      backend,
      icons,
      GetCommandLineA(),
      ModulePath(),
      [](const qm::ui::Form& form) { return reinterpret_cast<qm::WindowHandle>(HandleOf(form)); },
      [](const qm::ui::Form& form, qm::ScreenPoint p) {
        POINT point{p.x, p.y};
        ScreenToClient(HandleOf(form), &point);
        return qm::ScreenPoint{point.x, point.y};
      },
      [] { return static_cast<int>(GetDoubleClickTime()); },
      {},
  };
  qm::Instance instance(std::move(env));
  instance.env.trayWindowCreated = [&instance](qm::TFormMain& tray) {
    g_tray.window = &tray;
    g_tray.app = &instance.app;
    g_tray.previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(HandleOf(tray), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TrayWindowProc)));
  };
  const int code = instance.Run();
  g_tray = {};
  return code;
}
