// Drives a running Quellmarch.exe the way the shell and the user do, one step
// per call, so that a host script can put key presses between the steps:
//
//   qm_app_wine_driver.exe prepare-toggle   files, registry and two running victims, one of each width
//   qm_app_wine_driver.exe prepare-start    a file that starts with Windows
//   qm_app_wine_driver.exe prepare-blank    no last file: a start without argument is blank
//   qm_app_wine_driver.exe dblclick-ends    double-click: the victims end
//   qm_app_wine_driver.exe dblclick-runs    double-click: the program entry starts
//   qm_app_wine_driver.exe open-menu        right-click: the tray menu opens
//   qm_app_wine_driver.exe menu-once        a left click, at once a right click: one menu, however long open
//   qm_app_wine_driver.exe options-shown    the Options window of StartMe.qmf is shown
//   qm_app_wine_driver.exe note-shown       the Start-with-Windows note is shown
//   qm_app_wine_driver.exe ended FILE       the instance ends with LastFile = FILE
//   qm_app_wine_driver.exe gone [MS]        the instance ends within MS ms (default 5000)
//   qm_app_wine_driver.exe run-entry FILE   the first start entry names FILE
//   qm_app_wine_driver.exe post-close       WM_CLOSE to every top-level window of the instance, as
//                                           taskkill without /F sends it
//   qm_app_wine_driver.exe question CAPTION the save-changes question is up: prints its button's centre
//   qm_app_wine_driver.exe query-end        WM_QUERYENDSESSION to the tray window, as the system
//                                           sends it; prints the answer (1 = may end), then WM_ENDSESSION
//   qm_app_wine_driver.exe runs             the instance still runs a few seconds later
//
// Exit code 0 when the step did what it should; 1 otherwise, with the reason
// on stderr.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "driver_steps.h"
#include "helper_launch.h"

namespace {

using qm::testing::ExeDir;
using qm::testing::Fail;
using qm::testing::FileExists;
using qm::testing::ShownWindow;
using qm::testing::WaitFor;
using qm::testing::WindowGone;
using qm::testing::WriteText;

constexpr UINT kTrayCallback = WM_APP + 100;
constexpr char kSettingsKey[] = "Software\\Quellmarch";
constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kVictimA[] = "QmApp victim A";
constexpr char kVictimB[] = "QmApp victim B";

std::string Folder() { return ExeDir() + "app_test\\"; }
std::string ReportFile() { return Folder() + "started.txt"; }

constexpr char kTrayTitle[] = "Tray Icon";

std::string Qmf(bool startWithWindows, const std::string& programs, const std::string& processes) {
  return "[Quellmarch]\r\nFileVersion=1\r\n[Startup_Options]\r\nStart_with_windows=" +
         std::string(startWithWindows ? "1" : "0") +
         "\r\nHide_Splashscreen=1\r\nQuit_after_activate=0\r\nActivate_onLaunch=0\r\nStart_Location=0\r\n"
         "Start_State=0\r\n[Configuration]\r\nDoubleClick_Action=0\r\nBrowseKill_DefaultChecks=0\r\nHide_errors=1\r\n"
         "Message_Delay=5\r\n[Icons]\r\nAlternate_On_Icon=\r\nAlternate_Off_Icon=\r\n"
         "On_Tooltip=QmApp test: double-click ends the victims\r\nOff_Tooltip=QmApp test: double-click runs\r\n"
         "[Run_Programs]\r\n" + programs + "[Terminate_Processes]\r\n" + processes;
}

// Not a first start (no welcome, no Options window), and no last file.
bool ResetSettings() {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
      ERROR_SUCCESS) {
    return false;
  }
  RegDeleteValueA(key, "LastFile");
  RegCloseKey(key);
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) ==
      ERROR_SUCCESS) {
    for (int i = 1; i <= 40; ++i) RegDeleteValueA(key, ("Quellmarch" + std::to_string(i)).c_str());
    RegCloseKey(key);
  }
  return true;
}

std::string ReadString(const char* keyPath, const char* name) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return "<no key>";
  char buffer[1024] = {};
  DWORD size = sizeof buffer - 1;
  DWORD type = 0;
  const LONG status = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS) return "<absent>";
  if (type != REG_SZ) return "<not a string>";
  return buffer;
}

int PrepareToggle() {
  CreateDirectoryA(Folder().c_str(), nullptr);
  DeleteFileA(ReportFile().c_str());
  // One pattern, two victims: a program of the other width and one of the
  // exe's own, in two folders under the same name, end in the same pass.
  const std::string victims[] = {Folder() + "QmAppVictim.exe", Folder() + "own width\\QmAppVictim.exe"};
  const std::string started = Folder() + "QmAppStarted.exe";
  if (!qm::testing::CopyHelperTo(victims[0], qm::testing::OtherWidth()) ||
      !qm::testing::CopyHelperTo(victims[1], qm::testing::OwnWidth()) || !qm::testing::CopyHelperTo(started)) {
    return Fail("copying the helper");
  }
  const std::string programs = "0=1 " + started + " {arg --report " + ReportFile() + " --lifetime 60000}\r\n";
  const std::string processes = "0=1 *\\QmAppVictim.exe\r\n";
  if (!WriteText(Folder() + "toggle.qmf", Qmf(false, programs, processes))) return Fail("writing toggle.qmf");
  if (!ResetSettings()) return Fail("preparing the registry");
  const char* titles[] = {kVictimA, kVictimB};
  for (int i = 0; i < 2; ++i) {
    const std::string args = "--title " + qm::testing::Quote(titles[i]) + " --lifetime 90000";
    if (qm::testing::StartHelper(victims[i], args).pid == 0) return Fail(std::string("starting ") + titles[i]);
  }
  std::printf("prepared %s\n", (Folder() + "toggle.qmf").c_str());
  return 0;
}

int PrepareBlank() {
  if (!ResetSettings()) return Fail("preparing the registry");
  return 0;
}

int PrepareStart() {
  CreateDirectoryA(Folder().c_str(), nullptr);
  if (!WriteText(Folder() + "StartMe.qmf", Qmf(true, "", ""))) return Fail("writing StartMe.qmf");
  if (!ResetSettings()) return Fail("preparing the registry");
  return 0;
}

// What the shell sends for a double-click on the icon.
void DoubleClick(HWND tray) {
  for (UINT mouse : {WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) PostMessageA(tray, kTrayCallback, 1006, mouse);
}

HWND WaitForTray() { return qm::testing::WindowNamed(kTrayTitle); }

int DoubleClickEnds() {
  HWND tray = WaitForTray();
  if (tray == nullptr) return Fail("no window captioned \"Tray Icon\"");
  if (FindWindowA(nullptr, kVictimA) == nullptr || FindWindowA(nullptr, kVictimB) == nullptr) {
    return Fail("the victims are not running");
  }
  DoubleClick(tray);
  if (!WindowGone(kVictimA) || !WindowGone(kVictimB)) {
    return Fail("the victims still run after the double-click");
  }
  std::printf("both victims ended, the %s one and the %s one\n", qm::testing::Name(qm::testing::OtherWidth()),
              qm::testing::Name(qm::testing::OwnWidth()));
  return 0;
}

int DoubleClickRuns() {
  HWND tray = WaitForTray();
  if (tray == nullptr) return Fail("no tray window");
  DeleteFileA(ReportFile().c_str());
  DoubleClick(tray);
  if (!WaitFor([] { return FileExists(ReportFile()); })) return Fail("the program entry did not start");
  std::ifstream in(ReportFile());
  std::stringstream text;
  text << in.rdbuf();
  if (text.str().find("--report") == std::string::npos) return Fail("started without its arguments: " + text.str());
  std::printf("the program entry started: %s\n", text.str().c_str());
  return 0;
}

bool MenuShown() {
  HWND menu = FindWindowA("#32768", nullptr);
  return menu != nullptr && IsWindowVisible(menu);
}

int OpenMenu() {
  HWND tray = WaitForTray();
  if (tray == nullptr) return Fail("no tray window");
  PostMessageA(tray, kTrayCallback, 1006, WM_RBUTTONUP);
  if (!WaitFor(MenuShown)) return Fail("the tray menu did not open");
  std::printf("the tray menu is open\n");
  return 0;
}

// A right click inside a left click's double-click delay opens the menu, and
// once the user has closed it no other menu follows. The menu is closed at
// once, before the delay runs out: a delayed menu due while the first one is
// still open cannot open, so a slow run may miss the fault but never invents it.
int MenuOnce() {
  HWND tray = WaitForTray();
  if (tray == nullptr) return Fail("no tray window");
  PostMessageA(tray, kTrayCallback, 1006, WM_LBUTTONUP);
  PostMessageA(tray, kTrayCallback, 1006, WM_RBUTTONUP);
  if (!WaitFor(MenuShown)) return Fail("the tray menu did not open");
  // What closes a menu whatever has the keyboard.
  SendMessageA(tray, WM_CANCELMODE, 0, 0);
  if (!WaitFor([] { return !MenuShown(); }, 3000)) return Fail("the tray menu did not close");
  if (WaitFor(MenuShown, 4 * GetDoubleClickTime())) return Fail("a second tray menu followed the first");
  std::printf("the tray menu opened once\n");
  return 0;
}

// The Options window is shown and has the keyboard.
int OptionsShown() {
  HWND options = ShownWindow("Quellmarch - StartMe.qmf");
  if (options == nullptr) return Fail("the Options window for StartMe.qmf is not shown");
  // Where the user clicks to open the File menu: the menu bar lies just
  // above the client area.
  POINT origin{0, 0};
  ClientToScreen(options, &origin);
  std::printf("%ld %ld\n", origin.x + 14, origin.y - GetSystemMetrics(SM_CYMENU) / 2);
  return 0;
}

// The Start-with-Windows note is up.
int NoteShown() {
  HWND note = ShownWindow("Note");
  if (note == nullptr) return Fail("the Start-with-Windows note did not appear");
  // Where the user clicks to accept it: the middle of its OK button.
  HWND ok = FindWindowExA(note, nullptr, "Button", "OK");
  if (ok == nullptr) return Fail("the note has no OK button");
  qm::testing::PrintCentre(ok);
  return 0;
}

int Ended(const std::string& lastFile) {
  if (!WindowGone(kTrayTitle)) return Fail("the instance still runs");
  const std::string stored = ReadString(kSettingsKey, "LastFile");
  if (stored != lastFile) return Fail("LastFile is \"" + stored + "\", not \"" + lastFile + "\"");
  std::printf("ended; LastFile = %s\n", stored.c_str());
  return 0;
}

// A shorter wait than `ended`, for a script that retries its key press when
// the tray menu was not yet taking keys.
int Gone(const std::string& ms) {
  const DWORD limit = ms.empty() ? 5000 : static_cast<DWORD>(std::strtoul(ms.c_str(), nullptr, 10));
  if (!WindowGone(kTrayTitle, limit)) return Fail("the instance still runs");
  return 0;
}

int RunEntry(const std::string& file) {
  WaitFor([] { return ReadString(kRunKey, "Quellmarch1") != "<absent>"; }, 10000);
  const std::string stored = ReadString(kRunKey, "Quellmarch1");
  std::string lower = file;
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  const std::string expected = "\"" + ExeDir() + "Quellmarch.exe\" " + lower;
  if (stored != expected) return Fail("Quellmarch1 is \"" + stored + "\", expected \"" + expected + "\"");
  std::printf("Quellmarch1 = %s\n", stored.c_str());
  return 0;
}

// Every top-level window of the instance's process, hidden ones included.
std::vector<HWND> InstanceWindows() {
  struct Search {
    DWORD pid = 0;
    std::vector<HWND> found;
  } search;
  if (HWND tray = FindWindowA(nullptr, kTrayTitle)) GetWindowThreadProcessId(tray, &search.pid);
  if (search.pid == 0) return {};
  EnumWindows(
      [](HWND window, LPARAM data) CALLBACK -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        if (pid == s->pid) s->found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

int PostClose() {
  const std::vector<HWND> windows = InstanceWindows();
  if (windows.empty()) return Fail("no window of the instance");
  for (HWND window : windows) PostMessageA(window, WM_CLOSE, 0, 0);
  std::printf("WM_CLOSE posted to %zu windows\n", windows.size());
  return 0;
}

int Question(const std::string& button) {
  HWND question = qm::testing::ShownWindow("Quellmarch - Save Changes?");
  if (question == nullptr) return Fail("the save-changes question did not appear");
  HWND target = qm::testing::ChildCaptioned(question, button);
  if (target == nullptr) return Fail("the question has no button \"" + button + "\"");
  RECT rect{};
  GetWindowRect(target, &rect);
  std::printf("%ld %ld\n", (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  return 0;
}

int QueryEnd() {
  HWND tray = WaitForTray();
  if (tray == nullptr) return Fail("no tray window");
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutA(tray, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 60000, &answer)) {
    return Fail("no answer to WM_QUERYENDSESSION");
  }
  std::printf("%lu\n", static_cast<unsigned long>(answer));
  std::fflush(stdout);
  if (answer != 0) SendMessageTimeoutA(tray, WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, 10000, nullptr);
  return 0;
}

int Runs() {
  Sleep(3000);
  if (FindWindowA(nullptr, kTrayTitle) == nullptr) return Fail("the instance has ended");
  std::printf("still running\n");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string step = argc > 1 ? argv[1] : "";
  const std::string arg = argc > 2 ? argv[2] : "";
  if (step == "prepare-toggle") return PrepareToggle();
  if (step == "prepare-start") return PrepareStart();
  if (step == "prepare-blank") return PrepareBlank();
  if (step == "dblclick-ends") return DoubleClickEnds();
  if (step == "dblclick-runs") return DoubleClickRuns();
  if (step == "open-menu") return OpenMenu();
  if (step == "menu-once") return MenuOnce();
  if (step == "options-shown") return OptionsShown();
  if (step == "note-shown") return NoteShown();
  if (step == "ended") return Ended(arg);
  if (step == "gone") return Gone(arg);
  if (step == "run-entry") return RunEntry(arg);
  if (step == "post-close") return PostClose();
  if (step == "question") return Question(arg);
  if (step == "query-end") return QueryEnd();
  if (step == "runs") return Runs();
  return Fail("unknown step " + step);
}
