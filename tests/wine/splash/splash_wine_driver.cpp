// Watches a running Quellmarch.exe's splash, first-start windows and About
// box, one step per call, so a host script can put screenshots and key
// presses between the steps:
//
//   qm_splash_wine_driver.exe prepare            Splash.qmf and Quiet.qmf (which hides the splash), no last file
//   qm_splash_wine_driver.exe prepare-first      as prepare, and no settings key: the next start is a first start
//   qm_splash_wine_driver.exe splash-shown       the splash is up at its size, showing its banner (splash.png)
//   qm_splash_wine_driver.exe splash-gone MIN MAX  it goes MIN to MAX ms after it was first seen, shrunk to 1 x 1
//   qm_splash_wine_driver.exe splash-never MS    for MS ms from now no splash shows, not even for a moment
//   qm_splash_wine_driver.exe shown CAPTION [PNG]  a window of that caption is up (photographed to PNG)
//   qm_splash_wine_driver.exe not-shown CAPTION  no window of that caption is up
//   qm_splash_wine_driver.exe press CAPTION BUTTON  presses a button of that window
//   qm_splash_wine_driver.exe about-texts        the About box's version line and the notes beside the exe
//   qm_splash_wine_driver.exe about-page N PNG   shows the About box's page N (0 to 2), as a click on its tab
//                                                would, and photographs it
//   qm_splash_wine_driver.exe picture-centre     prints the screen point in the middle of the About box's picture
//   qm_splash_wine_driver.exe help-shown         a help viewer window is up
//   qm_splash_wine_driver.exe web-page           the About box's "Web Page" opens the help viewer
//                                                (web-page.png), which is then closed
//
// Photographs go to $QM_SCREENSHOT_DIR. Exit code 0 when the step did what it
// should; 1 otherwise, with the reason on stderr.

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "driver_steps.h"
#include "helper_launch.h"
#include "png_writer.h"
#include "screen_pixels.h"

namespace {

using qm::testing::ExeDir;
using qm::testing::Fail;
using qm::testing::ReadText;
using qm::testing::VisibleWindow;
using qm::testing::WaitFor;
using qm::testing::WriteText;

constexpr char kSettingsKey[] = "Software\\Quellmarch";
constexpr char kFormClass[] = "QuellmarchForm";
constexpr char kAboutCaption[] = "About Quellmarch";

std::string Folder() { return ExeDir() + "splash_test\\"; }
std::string FirstSeenFile() { return Folder() + "first-seen.txt"; }

std::string Qmf(bool hideSplash) {
  return "[Quellmarch]\r\nFileVersion=1\r\n[Startup_Options]\r\nStart_with_windows=0\r\nHide_Splashscreen=" +
         std::string(hideSplash ? "1" : "0") +
         "\r\nQuit_after_activate=0\r\nActivate_onLaunch=0\r\nStart_Location=0\r\nStart_State=0\r\n"
         "[Configuration]\r\nDoubleClick_Action=0\r\nHide_errors=1\r\nMessage_Delay=5\r\n[Icons]\r\n"
         "On_Tooltip=Splash test\r\nOff_Tooltip=Splash test\r\n[Run_Programs]\r\n[Terminate_Processes]\r\n";
}

int Prepare(bool firstStart) {
  CreateDirectoryA(Folder().c_str(), nullptr);
  DeleteFileA(FirstSeenFile().c_str());
  if (!WriteText(Folder() + "Splash.qmf", Qmf(false)) || !WriteText(Folder() + "Quiet.qmf", Qmf(true))) {
    return Fail("writing the configuration files");
  }
  if (firstStart) {
    const LONG status = RegDeleteKeyA(HKEY_LOCAL_MACHINE, kSettingsKey);
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) return Fail("deleting the settings key");
    return 0;
  }
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
      ERROR_SUCCESS) {
    return Fail("creating the settings key");
  }
  RegDeleteValueA(key, "LastFile");
  RegCloseKey(key);
  return 0;
}

// The splash: our borderless main window, captioned with the product name.
HWND SplashWindow() {
  HWND found = nullptr;
  HWND candidate = nullptr;
  while ((candidate = FindWindowExA(nullptr, candidate, kFormClass, "Quellmarch")) != nullptr) {
    if ((GetWindowLongA(candidate, GWL_STYLE) & WS_CAPTION) == 0) found = candidate;
  }
  return found;
}

// What the screen shows of the window, after `settle` ms for its painting.
// False when it shows a single colour: nothing of the window was painted.
bool Photo(HWND window, const std::string& name, DWORD settle = 500) {
  Sleep(settle);
  RECT r{};
  GetWindowRect(window, &r);
  const std::vector<std::uint32_t> pixels =
      qm::testing::ScreenPixels(r.left, r.top, r.right - r.left, r.bottom - r.top);
  bool painted = false;
  for (std::uint32_t p : pixels) painted = painted || p != pixels.front();
  const char* dir = std::getenv("QM_SCREENSHOT_DIR");
  if (dir != nullptr && !name.empty()) {
    std::string folder = dir;
    if (!folder.empty() && folder[0] == '/') folder = "Z:" + folder;  // a host path
    CreateDirectoryA(folder.c_str(), nullptr);
    qm::gallery::writePng(folder + "\\" + name, r.right - r.left, r.bottom - r.top, pixels);
  }
  return painted;
}

int SplashShown() {
  HWND splash = nullptr;
  if (!WaitFor([&] { return (splash = SplashWindow()) != nullptr && IsWindowVisible(splash); }, 15000)) {
    return Fail("no splash window showed");
  }
  WriteText(FirstSeenFile(), std::to_string(GetTickCount()));
  RECT client{};
  GetClientRect(splash, &client);
  if (client.right != 293 || client.bottom != 37) {
    return Fail("the splash is " + std::to_string(client.right) + " x " + std::to_string(client.bottom));
  }
  if ((GetWindowLongA(splash, GWL_EXSTYLE) & WS_EX_TOPMOST) == 0) return Fail("the splash is not on top");
  if (!Photo(splash, "splash.png", 150)) return Fail("the splash shows no banner");
  return 0;
}

bool IsOneByOne(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r.right - r.left == 1 && r.bottom - r.top == 1;
}

int SplashGone(DWORD least, DWORD most) {
  const DWORD seen = static_cast<DWORD>(std::strtoul(ReadText(FirstSeenFile()).c_str(), nullptr, 10));
  HWND splash = SplashWindow();
  if (splash == nullptr) return Fail("no splash window");
  if (!WaitFor([&] { return !IsWindowVisible(splash); }, 15000)) return Fail("the splash stays");
  const DWORD after = GetTickCount() - seen;
  if (after < least || after > most) {
    return Fail("the splash went " + std::to_string(after) + " ms after it showed");
  }
  // The window shrinks just after it hides: a look in between sees the old size.
  if (!WaitFor([&] { return IsOneByOne(splash); }, 2000)) return Fail("the hidden splash is not 1 x 1");
  std::printf("the splash went after %lu ms\n", after);
  return 0;
}

// Polls often: a splash that flashes up and goes at once must be caught.
int SplashNever(DWORD ms) {
  const DWORD start = GetTickCount();
  bool trayUp = false;
  while (GetTickCount() - start < ms) {
    HWND splash = SplashWindow();
    if (splash != nullptr && IsWindowVisible(splash)) return Fail("the splash showed");
    trayUp = trayUp || FindWindowA(nullptr, "Tray Icon") != nullptr;
    Sleep(5);
  }
  if (!trayUp) return Fail("the instance never came up");
  HWND splash = SplashWindow();
  if (splash == nullptr) return Fail("there is no main window");
  if (!IsOneByOne(splash)) return Fail("the hidden splash is not 1 x 1");
  std::printf("no splash\n");
  return 0;
}

int Shown(const std::string& caption, const std::string& photo) {
  HWND window = qm::testing::ShownWindow(caption);
  if (window == nullptr) return Fail("no window \"" + caption + "\" showed");
  if (!photo.empty() && !Photo(window, photo)) return Fail("\"" + caption + "\" shows nothing");
  return 0;
}

int NotShown(const std::string& caption) {
  if (VisibleWindow(caption) != nullptr) return Fail("the window \"" + caption + "\" is up");
  return 0;
}

int Press(const std::string& caption, const std::string& button) {
  HWND window = qm::testing::ShownWindow(caption);
  if (window == nullptr) return Fail("no window \"" + caption + "\"");
  HWND found = qm::testing::ChildCaptioned(window, button);
  if (found == nullptr) return Fail("\"" + caption + "\" has no button \"" + button + "\"");
  SendMessageA(found, BM_CLICK, 0, 0);
  if (!WaitFor([&] { return !IsWindowVisible(window); }, 10000)) return Fail("\"" + caption + "\" stays");
  return 0;
}

// Every edit inside a window, at any depth, in creation order.
std::vector<HWND> Edits(HWND window) { return qm::testing::ChildrenOfClass(window, "Edit", false); }

// Read as a screen reader would, through the Unicode message.
std::string EditText(HWND edit) {
  const int length = static_cast<int>(SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0));
  std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(edit, WM_GETTEXT, wide.size(), reinterpret_cast<LPARAM>(wide.data()));
  wide.resize(static_cast<std::size_t>(length));
  std::string text;
  for (wchar_t c : wide) text += static_cast<char>(c < 0x100 ? c : '?');
  return text;
}

int AboutTexts() {
  HWND about = qm::testing::ShownWindow(kAboutCaption);
  if (about == nullptr) return Fail("the About box did not show");
  RECT client{};
  GetClientRect(about, &client);
  if (client.right != 297 || client.bottom != 225) {
    return Fail("the About box is " + std::to_string(client.right) + " x " + std::to_string(client.bottom));
  }
  const std::string notes = ReadText(ExeDir() + "ReleaseNotes.txt");
  if (notes.empty()) return Fail("no ReleaseNotes.txt beside the exe");
  bool versionSeen = false;
  bool notesSeen = false;
  for (HWND edit : Edits(about)) {
    const std::string text = EditText(edit);
    versionSeen = versionSeen || text.rfind("Quellmarch version 1.0.6\r\n", 0) == 0;
    // The page ends where the file's last line ends.
    notesSeen = notesSeen || text + "\r\n" == notes || text == notes;
  }
  if (!versionSeen) return Fail("no page begins with the version line");
  if (!notesSeen) return Fail("no page shows the release notes");
  std::printf("version line and release notes shown\n");
  return 0;
}

HWND TabControl(HWND about) { return FindWindowExA(about, nullptr, "SysTabControl32", nullptr); }

int AboutPage(int page, const std::string& photo) {
  HWND about = VisibleWindow(kAboutCaption);
  HWND tabs = about != nullptr ? TabControl(about) : nullptr;
  if (tabs == nullptr) return Fail("no About box with pages");
  // The middle of each tab in the standard font ("About", "Release Notes",
  // "Splash Screen"); a press there selects it as the user's would.
  const int middles[] = {22, 82, 160};
  const LPARAM at = MAKELPARAM(middles[page], 10);
  PostMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(tabs, WM_LBUTTONUP, 0, at);
  if (!WaitFor([&] { return SendMessageA(tabs, TCM_GETCURSEL, 0, 0) == page; }, 5000)) {
    return Fail("page " + std::to_string(page) + " did not come up");
  }
  if (!Photo(about, photo)) return Fail("the About box shows nothing");
  return 0;
}

struct ChildSearch {
  bool (*wanted)(HWND);
  HWND found;
};

// A named callback: the 32-bit build's WNDENUMPROC is stdcall, which no
// lambda converts to.
BOOL CALLBACK PickVisibleChild(HWND child, LPARAM data) {
  auto* search = reinterpret_cast<ChildSearch*>(data);
  if (!IsWindowVisible(child) || !search->wanted(child)) return TRUE;
  search->found = child;
  return FALSE;
}

// The first visible child of `parent`, at any depth, that `wanted` picks.
HWND VisibleChild(HWND parent, bool (*wanted)(HWND)) {
  ChildSearch search{wanted, nullptr};
  EnumChildWindows(parent, PickVisibleChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

int PictureCentre() {
  HWND about = VisibleWindow(kAboutCaption);
  if (about == nullptr) return Fail("no About box");
  HWND picture = VisibleChild(about, [](HWND child) {
    RECT r{};
    GetClientRect(child, &r);
    char name[32] = {};
    GetClassNameA(child, name, sizeof name);
    return lstrcmpiA(name, "Static") == 0 && r.right == 277 && r.bottom == 158;
  });
  if (picture == nullptr) return Fail("no picture of 277 x 158 in view");
  RECT r{};
  GetWindowRect(picture, &r);
  std::printf("%ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2);
  return 0;
}

// Wine's viewer titles its window with the file's own title.
int HelpShown() {
  HWND viewer = qm::testing::ShownWindow("Quellmarch Help");
  if (viewer == nullptr) return Fail("no help window showed");
  Photo(viewer, "help.png", 2000);
  return 0;
}

// The page is one of the help file's; under Wine, without its HTML engine,
// the viewer's frame is all there is to see.
int WebPage() {
  HWND about = VisibleWindow(kAboutCaption);
  if (about == nullptr) return Fail("no About box");
  HWND button = VisibleChild(about, [](HWND child) {
    char text[32] = {};
    GetWindowTextA(child, text, sizeof text);
    return lstrcmpA(text, "Web Page") == 0;
  });
  if (button == nullptr) return Fail("the About box shows no \"Web Page\" button");
  PostMessageA(button, BM_CLICK, 0, 0);
  HWND viewer = nullptr;
  if (!WaitFor([&] { return (viewer = VisibleWindow("Quellmarch Help")) != nullptr; })) {
    return Fail("\"Web Page\" opened no help window");
  }
  Photo(viewer, "web-page.png", 4000);
  PostMessageA(viewer, WM_CLOSE, 0, 0);
  if (!WaitFor([&] { return VisibleWindow("Quellmarch Help") == nullptr; })) return Fail("the help window stays");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string step = argc > 1 ? argv[1] : "";
  const std::string arg = argc > 2 ? argv[2] : "";
  const std::string arg2 = argc > 3 ? argv[3] : "";
  if (step == "prepare") return Prepare(false);
  if (step == "prepare-first") return Prepare(true);
  if (step == "splash-shown") return SplashShown();
  if (step == "splash-gone") {
    return SplashGone(std::strtoul(arg.c_str(), nullptr, 10), std::strtoul(arg2.c_str(), nullptr, 10));
  }
  if (step == "splash-never") return SplashNever(std::strtoul(arg.c_str(), nullptr, 10));
  if (step == "shown") return Shown(arg, arg2);
  if (step == "not-shown") return NotShown(arg);
  if (step == "press") return Press(arg, arg2);
  if (step == "about-texts") return AboutTexts();
  if (step == "about-page") return AboutPage(std::atoi(arg.c_str()), arg2);
  if (step == "picture-centre") return PictureCentre();
  if (step == "help-shown") return HelpShown();
  if (step == "web-page") return WebPage();
  return Fail("unknown step " + step);
}
