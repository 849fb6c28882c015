// Native details of the real windows, one check per argument:
//   qm_native_test tray-route    the tray window gets its own procedure back before it is destroyed
//   qm_native_test status-line   the status line shows the 85 characters a batch writes
// Exit code 0 when the check holds; 1 otherwise, with the reason on stderr.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "app/win32_tray_route.h"
#include "ui/messages/terminating_status.h"
#include "ui/toolkit/win32/win32_backend.h"

namespace {

using namespace qm;

int Fail(const std::string& why) {
  std::fprintf(stderr, "%s\n", why.c_str());
  return 1;
}

int g_ownDestroys = 0;  // WM_NCDESTROY seen by the window's own procedure

LRESULT CALLBACK OwnProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCDESTROY) ++g_ownDestroys;
  return DefWindowProcA(hwnd, msg, wp, lp);
}

HWND MakeWindow() {
  WNDCLASSA cls{};
  cls.lpfnWndProc = OwnProc;
  cls.hInstance = GetModuleHandleA(nullptr);
  cls.lpszClassName = "QmRouteTest";
  RegisterClassA(&cls);
  return CreateWindowA("QmRouteTest", "route", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr, cls.hInstance,
                       nullptr);
}

// The order of the entry point: the route ends with the message loop, and
// the windows are destroyed afterwards; their last messages must reach their
// own procedure. A window destroyed while still routed ends the route itself.
int TrayRoute() {
  constexpr UINT kCallback = WM_APP + 100;
  std::uint32_t routed = 0;
  HWND window = MakeWindow();
  win32::TrayMessageRoute route;
  route.Begin(reinterpret_cast<WindowHandle>(window), kCallback, [&](std::uint32_t m) { routed = m; });
  SendMessageA(window, kCallback, 1006, WM_LBUTTONUP);
  if (routed != WM_LBUTTONUP) return Fail("the callback message did not reach the tray controller");
  route.End();
  if (GetWindowLongPtrA(window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&OwnProc)) {
    return Fail("the window's own procedure is not back after the route ended");
  }
  DestroyWindow(window);
  if (g_ownDestroys != 1) return Fail("the window's own procedure never saw its end");

  window = MakeWindow();
  route.Begin(reinterpret_cast<WindowHandle>(window), kCallback, [&](std::uint32_t m) { routed = m; });
  DestroyWindow(window);
  if (g_ownDestroys != 2) return Fail("a routed window's end did not reach its own procedure");
  route.End();
  std::printf("the tray route hands the window back in order\n");
  return 0;
}

int StatusLine() {
  ui::win32::Win32Backend backend;
  ui::Application app(backend);
  TTerminatingStatus status;
  app.add(status);
  const std::string line(85, 'W');
  status.setStatusText(line);
  status.showWithoutFocus();
  HWND bar = static_cast<HWND>(ui::win32::Win32Backend::handleOf(status.StatusBar1));
  HDC dc = GetDC(bar);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(bar, WM_GETFONT, 0, 0)));
  SIZE text{};
  GetTextExtentPoint32A(dc, line.c_str(), static_cast<int>(line.size()), &text);
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  char face[LF_FACESIZE] = {};
  GetTextFaceA(dc, LF_FACESIZE, face);
  SelectObject(dc, old);
  ReleaseDC(bar, dc);
  int borders[3] = {};
  SendMessageA(bar, SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
  RECT client{};
  GetClientRect(bar, &client);
  // The text starts a few pixels in from the border.
  const int room = client.right - 2 * borders[0] - 4;
  std::printf("%s, %ld pixels high: 85 characters take %ld of %d pixels\n", face, metrics.tmHeight, text.cx, room);
  // The bit set means a variable pitch.
  if ((metrics.tmPitchAndFamily & TMPF_FIXED_PITCH) != 0) return Fail("the status line's font is not fixed-pitch");
  if (text.cx > room) return Fail("85 characters do not fit the status line");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string check = argc > 1 ? argv[1] : "";
  if (check == "tray-route") return TrayRoute();
  if (check == "status-line") return StatusLine();
  return Fail("unknown check " + check);
}
