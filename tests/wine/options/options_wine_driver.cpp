// Drives the Options window of a running Quellmarch.exe, one step per call,
// so that a host script can put the user's clicks and keys between steps:
//
//   qm_options_wine_driver.exe prepare           Source.qmf, no start entries, design window size
//   qm_options_wine_driver.exe shown TITLE       the window is up: prints the File menu's point,
//                                                the "Hide Termination Errors" box's centre and
//                                                the window's rectangle (left top width height)
//   qm_options_wine_driver.exe reachable         a click on the middle of each control that lies over a
//                                                frame without belonging to it reaches that control
//   qm_options_wine_driver.exe box-checked       "Hide Termination Errors" is checked
//   qm_options_wine_driver.exe dialog TITLE      a window with that caption is shown
//   qm_options_wine_driver.exe saved FILE [ICON [TIP]]
//                                                FILE holds exactly the expected bytes (with ICON, a
//                                                file in the test folder, as the On icon, and TIP as
//                                                the On tooltip) and the window's title names it
//   qm_options_wine_driver.exe tooltip           prints the centre of the On tooltip's edit
//   qm_options_wine_driver.exe tooltip-is TEXT   the On tooltip's edit holds TEXT
//   qm_options_wine_driver.exe change-icon       prints the centre of the On icon's "Change Icon"
//   qm_options_wine_driver.exe message TEXT      a message box saying TEXT is up: prints its OK's centre
//   qm_options_wine_driver.exe resize W H        gives the window that outer size; prints its rectangle
//   qm_options_wine_driver.exe maximize          maximises the window as its title bar's button does
//   qm_options_wine_driver.exe size-stored W H   the stored window size is W x H
//
// Exit code 0 when the step found what it should; 1 otherwise, with the
// reason on stderr.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "driver_steps.h"
#include "helper_launch.h"

namespace {

using qm::testing::ExeDir;
using qm::testing::ChildCaptioned;
using qm::testing::Fail;
using qm::testing::PrintRect;
using qm::testing::ReadText;
using qm::testing::ResizeStep;
using qm::testing::SizeStoredStep;
using qm::testing::WaitFor;

constexpr char kSettingsKey[] = "Software\\Quellmarch";
constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kBox[] = "Hide Termination Errors";

std::string Folder() { return ExeDir() + "options_test\\"; }

// The file as the writer must produce it for a new file: every key in the
// writer's order, CR LF line ends. `hideErrors` is the one setting the test
// changes by a click.
constexpr char kOnTooltip[] = "Options test: On";

std::string Qmf(bool hideErrors, const std::string& onIcon = "", const std::string& onTooltip = kOnTooltip) {
  const char* lines[] = {
      "[Quellmarch]", "FileVersion=1", "[Startup_Options]", "Start_with_windows=1", "Hide_Splashscreen=1",
      "Quit_after_activate=0", "Activate_onLaunch=0", "Start_Location=0", "Start_State=0", "[Configuration]",
      "DoubleClick_Action=0", "BrowseKill_DefaultChecks=0", hideErrors ? "Hide_errors=1" : "Hide_errors=0",
      "Message_Delay=5", "[Icons]", "Alternate_Off_Icon=",
      "Off_Tooltip=Options test: Off", "[Run_Programs]", "0=1 C:\\Tools\\Mail\\mailer.exe {arg -check} {min}",
      "1=0 C:\\Tools\\clock.exe", "[Terminate_Processes]", "0=1 *\\MAILER.EXE {learn}",
      "1=1 C:\\GAMES\\*.EXE {harsh} {rem games}"};
  std::string text;
  for (const char* line : lines) {
    if (std::string(line) == "Alternate_Off_Icon=") text += "Alternate_On_Icon=" + onIcon + "\r\n";
    text += std::string(line) + "\r\n";
    if (std::string(line) == "Alternate_Off_Icon=") text += "On_Tooltip=" + onTooltip + "\r\n";
  }
  return text;
}

int Prepare() {
  CreateDirectoryA(Folder().c_str(), nullptr);
  DeleteFileA((Folder() + "Saved.qmf").c_str());
  std::ofstream out(Folder() + "Source.qmf", std::ios::binary | std::ios::trunc);
  out << Qmf(false);
  out.close();
  if (!out) return Fail("writing Source.qmf");
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
      ERROR_SUCCESS) {
    return Fail("creating the settings key");
  }
  for (const char* name : {"LastFile", "OptionWindow_Width", "OptionWindow_Height"}) RegDeleteValueA(key, name);
  RegCloseKey(key);
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) ==
      ERROR_SUCCESS) {
    for (int i = 1; i <= 40; ++i) RegDeleteValueA(key, ("Quellmarch" + std::to_string(i)).c_str());
    RegCloseKey(key);
  }
  return 0;
}

HWND Options() { return qm::testing::OptionsWindow(); }

int Shown(const std::string& title) {
  HWND options = qm::testing::ShownWindow(title);
  if (options == nullptr) return Fail("no window \"" + title + "\" is shown");
  HWND box = ChildCaptioned(options, kBox);
  if (box == nullptr) return Fail(std::string("no control \"") + kBox + "\"");
  POINT origin{0, 0};
  ClientToScreen(options, &origin);
  RECT r{};
  GetWindowRect(box, &r);
  // The File menu lies just above the client area, at its left; a click in
  // the box lands on its square.
  std::printf("%ld %ld %ld %ld ", origin.x + 14, origin.y - GetSystemMetrics(SM_CYMENU) / 2, r.left + 7,
              (r.top + r.bottom) / 2);
  PrintRect(options);
  std::printf("\n");
  return 0;
}

int Reachable() {
  HWND options = Options();
  if (options == nullptr) return Fail("no Options window");
  int reached = 0;
  for (const char* caption : {"Start with Windows", "Activate on launch", "Quit after activating", "Change Icon"}) {
    for (HWND control = ChildCaptioned(options, caption); control != nullptr;
         control = FindWindowExA(GetParent(control), control, nullptr, caption)) {
      RECT r{};
      GetWindowRect(control, &r);
      const POINT middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
      if (WindowFromPoint(middle) != control) return Fail(std::string("a click misses \"") + caption + "\"");
      ++reached;
    }
  }
  if (reached != 5) return Fail("found " + std::to_string(reached) + " of the 5 controls");
  return 0;
}

int BoxChecked() {
  HWND options = Options();
  HWND box = options != nullptr ? ChildCaptioned(options, kBox) : nullptr;
  if (box == nullptr) return Fail("no Options window with its box");
  if (!WaitFor([&] { return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }, 5000)) {
    return Fail("the box is not checked");
  }
  return 0;
}

int Dialog(const std::string& title) {
  if (qm::testing::ShownWindow(title) == nullptr) return Fail("no window \"" + title + "\" is shown");
  return 0;
}

int Saved(const std::string& file, const std::string& icon, const std::string& tip) {
  const std::string path = Folder() + file;
  const std::string expected = Qmf(true, icon.empty() ? "" : Folder() + icon, tip.empty() ? kOnTooltip : tip);
  if (!WaitFor([&] { return ReadText(path) == expected; }, 10000)) {
    return Fail(path + " holds:\n" + ReadText(path) + "\nexpected:\n" + expected);
  }
  if (qm::testing::WindowNamed("Quellmarch - " + file, 5000) == nullptr) return Fail("the title does not name " + file);
  std::printf("%s written as expected\n", path.c_str());
  return 0;
}

// The On icon's button: of the two "Change Icon" buttons, the upper one.
int ChangeIcon() {
  HWND options = Options();
  if (options == nullptr) return Fail("no Options window");
  HWND first = ChildCaptioned(options, "Change Icon");
  HWND second = first != nullptr ? FindWindowExA(GetParent(first), first, nullptr, "Change Icon") : nullptr;
  if (first == nullptr || second == nullptr) return Fail("not two \"Change Icon\" buttons");
  RECT a{}, b{};
  GetWindowRect(first, &a);
  GetWindowRect(second, &b);
  const RECT& upper = a.top < b.top ? a : b;
  std::printf("%ld %ld\n", (upper.left + upper.right) / 2, (upper.top + upper.bottom) / 2);
  return 0;
}

// The edit holding the On tooltip: the one whose text is the tooltip the
// test started with.
HWND OnTooltipEdit() {
  HWND options = Options();
  return options != nullptr ? ChildCaptioned(options, kOnTooltip) : nullptr;
}

int Tooltip() {
  HWND edit = OnTooltipEdit();
  if (edit == nullptr) return Fail("no edit holds the On tooltip");
  qm::testing::PrintCentre(edit);
  return 0;
}

int TooltipIs(const std::string& expected) {
  HWND options = Options();
  if (options == nullptr) return Fail("no Options window");
  if (!WaitFor([&] { return ChildCaptioned(options, expected.c_str()) != nullptr; }, 5000)) {
    return Fail("no edit holds \"" + expected + "\"");
  }
  return 0;
}

int Message(const std::string& text) {
  HWND box = nullptr;
  if (!WaitFor([&] {
        box = nullptr;
        for (HWND w = FindWindowA("#32770", nullptr); w != nullptr; w = FindWindowExA(nullptr, w, "#32770", nullptr)) {
          if (IsWindowVisible(w) && ChildCaptioned(w, text.c_str()) != nullptr) box = w;
        }
        return box != nullptr;
      })) {
    return Fail("no message box says \"" + text + "\"");
  }
  HWND ok = FindWindowExA(box, nullptr, "Button", "OK");
  if (ok == nullptr) return Fail("the message box has no OK");
  qm::testing::PrintCentre(ok);
  return 0;
}

int Resize(int width, int height) {
  HWND options = Options();
  if (options == nullptr) return Fail("no Options window");
  return ResizeStep(options, width, height);
}

int Maximize() {
  HWND options = Options();
  if (options == nullptr) return Fail("no Options window");
  RECT before{};
  GetWindowRect(options, &before);
  PostMessageA(options, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  RECT after{};
  if (!WaitFor([&] {
        GetWindowRect(options, &after);
        return IsZoomed(options) && after.right - after.left > before.right - before.left;
      }, 10000)) {
    return Fail("the window did not maximise");
  }
  std::printf("maximised to %ld x %ld\n", after.right - after.left, after.bottom - after.top);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string step = argc > 1 ? argv[1] : "";
  const std::string arg = argc > 2 ? argv[2] : "";
  const int second = argc > 3 ? std::atoi(argv[3]) : 0;
  if (step == "prepare") return Prepare();
  if (step == "shown") return Shown(arg);
  if (step == "reachable") return Reachable();
  if (step == "box-checked") return BoxChecked();
  if (step == "dialog") return Dialog(arg);
  if (step == "saved") return Saved(arg, argc > 3 ? argv[3] : "", argc > 4 ? argv[4] : "");
  if (step == "tooltip") return Tooltip();
  if (step == "tooltip-is") return TooltipIs(arg);
  if (step == "change-icon") return ChangeIcon();
  if (step == "message") return Message(arg);
  if (step == "resize") return Resize(std::atoi(arg.c_str()), second);
  if (step == "maximize") return Maximize();
  if (step == "size-stored") {
    return SizeStoredStep("OptionWindow_Width", "OptionWindow_Height", std::atoi(arg.c_str()), second);
  }
  return Fail("unknown step " + step);
}
