// Native details of the real windows, one check per argument:
//   qm_native_test tray-route    the tray window gets its own procedure back before it is destroyed
//   qm_native_test status-line   the status line shows the 85 characters a batch writes
//   qm_native_test icon          an icon file shows its 32 x 32 image, whatever its name ends with
//   qm_native_test help-viewer   the help viewer still open when the help service ends is closed first
// Exit code 0 when the check holds; 1 otherwise, with the reason on stderr.
#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "app/files_text_store.h"
#include "app/win32_tray_route.h"
#include "platform/win32/win32_services.h"
#include "screen_pixels.h"
#include "ui/messages/terminating_status.h"
#include "ui/options/option_form.h"
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

std::string Le(std::uint32_t value, int bytes) {
  std::string out;
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
  return out;
}

// An icon file of two images of one colour each: 16 x 16 first, then 32 x 32.
std::string TwoSizeIcon(std::uint32_t smallArgb, std::uint32_t largeArgb) {
  std::vector<std::string> images;
  for (const auto& [side, argb] : {std::pair{16, smallArgb}, std::pair{32, largeArgb}}) {
    std::string image = Le(40, 4) + Le(side, 4) + Le(2 * side, 4) + Le(1, 2) + Le(32, 2) + std::string(24, '\0');
    for (int i = 0; i < side * side; ++i) image += Le(argb, 4);
    image += std::string(static_cast<std::size_t>(side * 4), '\0');  // an all-opaque mask, 4 bytes a row
    images.push_back(image);
  }
  std::string file = Le(0, 2) + Le(1, 2) + Le(2, 2);
  std::size_t offset = 6 + 16 * images.size();
  for (std::size_t i = 0; i < images.size(); ++i) {
    const int side = i == 0 ? 16 : 32;
    file += std::string{static_cast<char>(side), static_cast<char>(side), 0, 0} + Le(1, 2) + Le(32, 2) +
            Le(static_cast<std::uint32_t>(images[i].size()), 4) + Le(static_cast<std::uint32_t>(offset), 4);
    offset += images[i].size();
  }
  for (const std::string& image : images) file += image;
  return file;
}

// The Options window's On icon, from a configured file: the picture shown is
// the file's 32 x 32 image, also for a file whose name does not end in ".ico".
int IconPicture() {
  constexpr std::uint32_t kRed = 0xFFFF0000;
  constexpr std::uint32_t kBlue = 0xFF0000FF;
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  ui::win32::Win32Backend backend;
  ui::Application app(backend);
  win32::Win32Files files;
  TFormSaveChanges saveChanges;
  TOverWrite overWrite;
  TOptionForm1 options(files, saveChanges, overWrite);
  app.add(options);
  FilesTextStore store(files);
  TConfigData config(options.ProgramEntries(), options.ProcessEntries(), store);
  options.BindDocument(config);
  int failures = 0;
  for (const char* name : {"qm_two_sizes.ico", "qm_two_sizes.picture"}) {
    const std::string path = std::string(folder) + name;
    if (!ReplaceWholeFile(files, path, TwoSizeIcon(kRed, kBlue))) return Fail("cannot write " + path);
    config.Alternate_On_Icon = path;
    options.ConfigToWindow();
    options.show();
    for (int i = 0; i < 10; ++i) {
      MSG m;
      while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
      Sleep(50);
    }
    HWND image = static_cast<HWND>(ui::win32::Win32Backend::handleOf(options.IconOn));
    POINT centre{16, 16};
    ClientToScreen(image, &centre);
    const std::uint32_t seen = testing::ScreenPixels(centre.x, centre.y, 1, 1).at(0) & 0xFFFFFF;
    std::printf("%s shows %06X\n", name, static_cast<unsigned>(seen));
    if (seen != (kBlue & 0xFFFFFF)) {
      std::fprintf(stderr, "%s does not show its 32 x 32 image\n", name);
      ++failures;
    }
    DeleteFileA(path.c_str());
  }
  return failures == 0 ? 0 : 1;
}

// A viewer still open when the help service ends goes with it: left behind,
// the next message to it runs code of an unloaded library.
int HelpViewer() {
  char exe[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  std::string file = exe;
  file = file.substr(0, file.find_last_of('\\') + 1) + "QuellmarchHelp.chm";
  HWND viewer = nullptr;
  {
    win32::Win32Help help;
    if (!help.HtmlHelp(0, file, kHelpDisplayTopic, 0)) return Fail("no help library");
    const DWORD start = GetTickCount();
    while ((viewer = FindWindowA(nullptr, "Quellmarch Help")) == nullptr && GetTickCount() - start < 15000) Sleep(50);
    if (viewer == nullptr) return Fail("the help viewer did not open " + file);
  }
  const DWORD start = GetTickCount();
  MSG msg;
  while (GetTickCount() - start < 500) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(20);
  }
  if (IsWindow(viewer)) return Fail("the help viewer outlived the help service");
  std::printf("the help viewer closes with the help service\n");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string check = argc > 1 ? argv[1] : "";
  if (check == "tray-route") return TrayRoute();
  if (check == "status-line") return StatusLine();
  if (check == "icon") return IconPicture();
  if (check == "help-viewer") return HelpViewer();
  return Fail("unknown check " + check);
}
