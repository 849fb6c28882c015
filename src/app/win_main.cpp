// Windows entry point of Quellmarch: the real services, real windows, and the
// tray icon's callback message routed to the tray window.
#include <windows.h>

#include <string>

#include "app/instance.h"
#include "app/win32_tray_icons.h"
#include "app/win32_tray_route.h"
#include "platform/win32/win32_platform.h"
#include "ui/toolkit/win32/win32_backend.h"

namespace {

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
  qm::win32::TrayMessageRoute trayRoute;
  instance.env.trayWindowCreated = [&instance, &trayRoute](qm::TFormMain& tray) {
    trayRoute.Begin(reinterpret_cast<qm::WindowHandle>(HandleOf(tray)), qm::kTrayCallbackMessage,
                    [&instance, &tray](std::uint32_t mouseMessage) {
                      instance.app.guard([&] { tray.TrayMessage(mouseMessage); });
                    });
  };
  const int code = instance.Run();
  trayRoute.End();
  return code;
}
