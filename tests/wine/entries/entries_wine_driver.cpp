// Drives the list editing of a running Quellmarch.exe, one step per call, so
// that a host script can click and type between the steps as a user does:
//
//   qm_entries_wine_driver.exe prepare             Entries.qmf without entries, both first-use hints
//                                                  due, and a running helper QmPicked.exe
//   qm_entries_wine_driver.exe window TITLE        a window with that caption is shown: prints its
//                                                  client area (left top width height); without a
//                                                  window manager the display has no frames
//   qm_entries_wine_driver.exe control TITLE TEXT  prints the centre of the control captioned TEXT
//                                                  in that window
//   qm_entries_wine_driver.exe folder TITLE        prints the centre of the window's first button
//                                                  without a caption (the folder button)
//   qm_entries_wine_driver.exe list N [ROW]        prints a point of the Options window's list N (1
//                                                  programs, 2 processes): on row ROW, or in the
//                                                  empty space below the rows
//   qm_entries_wine_driver.exe picker-row          waits until the picker lists the helper's process
//                                                  and prints the centre of its row
//   qm_entries_wine_driver.exe field-is TITLE      the window's first edit holds the helper's path
//   qm_entries_wine_driver.exe lists MODE          the lists hold exactly the helper's process entry
//                                                  in MODE (learn, harsh) and its companion run entry
//   qm_entries_wine_driver.exe saved MODE          Entries.qmf holds those two entries, checked
//   qm_entries_wine_driver.exe helper-ended        the helper has ended
//
// Exit code 0 when the step found what it should; 1 otherwise, with the
// reason on stderr.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "config/entry_grammar.h"
#include "driver_steps.h"
#include "helper_launch.h"

namespace {

using qm::testing::ExeDir;
using qm::testing::Fail;
using qm::testing::ChildrenOfClass;
using qm::testing::ListRows;
using qm::testing::PrintCentre;
using qm::testing::ReadText;
using qm::testing::ShownWindow;
using qm::testing::WaitFor;
using qm::testing::WriteText;

constexpr char kSettingsKey[] = "Software\\Quellmarch";
constexpr char kHelperTitle[] = "QmPicked window";
constexpr char kPickerTitle[] = "Select a Process to Copy into Edit Box";

std::string Folder() { return ExeDir() + "entries_test\\"; }
std::string PathFile() { return Folder() + "helper.path"; }

int Prepare() {
  CreateDirectoryA(Folder().c_str(), nullptr);
  const std::string qmf =
      "[Quellmarch]\r\nFileVersion=1\r\n[Startup_Options]\r\nStart_with_windows=0\r\nHide_Splashscreen=1\r\n"
      "Quit_after_activate=0\r\nActivate_onLaunch=0\r\nStart_Location=0\r\nStart_State=0\r\n[Configuration]\r\n"
      "DoubleClick_Action=0\r\nBrowseKill_DefaultChecks=0\r\nHide_errors=0\r\nMessage_Delay=5\r\n[Icons]\r\n"
      "Alternate_On_Icon=\r\nAlternate_Off_Icon=\r\nOn_Tooltip=Entries test: On\r\nOff_Tooltip=Entries test: Off\r\n"
      "[Run_Programs]\r\n[Terminate_Processes]\r\n";
  if (!WriteText(Folder() + "Entries.qmf", qmf)) return Fail("writing Entries.qmf");
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
      ERROR_SUCCESS) {
    return Fail("creating the settings key");
  }
  for (const char* name : {"LastFile", "ProgramHint", "ProcessHint", "ProcWindow_Width", "ProcWindow_Height"}) {
    RegDeleteValueA(key, name);
  }
  RegCloseKey(key);
  const std::string helper = Folder() + "QmPicked.exe";
  if (!qm::testing::CopyHelperTo(helper)) return Fail("copying the helper");
  const auto started =
      qm::testing::StartHelper(helper, "--title " + qm::testing::Quote(kHelperTitle) + " --lifetime 110000");
  if (started.pid == 0) return Fail("starting the helper");
  const std::string path = qm::testing::ImagePath(started.pid);
  if (path.empty() || !WriteText(PathFile(), path)) return Fail("noting the helper's file name");
  return 0;
}

// The helper's file name as the system lists it, which is what the picker
// shows; kept from the start, since the test ends the helper.
std::string HelperPath() { return ReadText(PathFile()); }


std::string TextOf(HWND window) {
  char text[1024] = {};
  SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

int Window(const std::string& title) {
  HWND window = ShownWindow(title);
  if (window == nullptr) return Fail("no window \"" + title + "\" is shown");
  qm::testing::PrintClientRect(window);
  return 0;
}

// Gives the window that outer size; fails when it took another.
int Resize(const std::string& title, int width, int height) {
  HWND window = ShownWindow(title);
  if (window == nullptr) return Fail("no window \"" + title + "\" is shown");
  return qm::testing::ResizeStep(window, width, height);
}

int Control(const std::string& title, const std::string& text) {
  HWND window = ShownWindow(title);
  if (window == nullptr) return Fail("no window \"" + title + "\" is shown");
  for (HWND button : ChildrenOfClass(window, "Button")) {
    if (TextOf(button) == text) {
      PrintCentre(button);
      return 0;
    }
  }
  return Fail("\"" + title + "\" has no control \"" + text + "\"");
}

int FolderButton(const std::string& title) {
  HWND window = ShownWindow(title);
  if (window == nullptr) return Fail("no window \"" + title + "\" is shown");
  for (HWND button : ChildrenOfClass(window, "Button")) {
    if (TextOf(button).empty()) {
      PrintCentre(button);
      return 0;
    }
  }
  return Fail("\"" + title + "\" has no button without a caption");
}

// The centre of row `index` of a list, scrolled into view; the space below
// the last row for -1.
void PrintRowPoint(HWND list, int index) {
  RECT client{};
  GetClientRect(list, &client);
  POINT origin{0, 0};
  ClientToScreen(list, &origin);
  const int height = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
  const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  int y = client.bottom - 8;
  if (index >= 0) {
    SendMessageW(list, LB_SETTOPINDEX, index, 0);
    const int top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
    y = (index - top) * height + height / 2;
  } else if (count * height >= client.bottom - 8) {
    y = client.bottom - 1;
  }
  // Well right of a check list's boxes, whose clicks toggle the marks.
  std::printf("%ld %ld\n", origin.x + 120, origin.y + y);
}

HWND OptionsList(int which) {
  HWND options = qm::testing::OptionsWindow();
  if (options == nullptr) return nullptr;
  std::vector<HWND> lists = ChildrenOfClass(options, "ListBox");
  if (lists.size() != 2) return nullptr;
  RECT a{}, b{};
  GetWindowRect(lists[0], &a);
  GetWindowRect(lists[1], &b);
  const bool firstIsUpper = a.top < b.top;
  return (which == 1) == firstIsUpper ? lists[0] : lists[1];
}

int List(int which, int row) {
  HWND list = OptionsList(which);
  if (list == nullptr) return Fail("no Options window with its two lists");
  PrintRowPoint(list, row);
  return 0;
}

bool SameText(const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }

int PickerRow() {
  HWND picker = ShownWindow(kPickerTitle);
  std::vector<HWND> lists = picker != nullptr ? ChildrenOfClass(picker, "ListBox") : std::vector<HWND>{};
  if (lists.size() != 1) return Fail("no picker with its list");
  const std::string path = HelperPath();
  int index = -1;
  WaitFor([&] {
    const std::vector<std::string> rows = ListRows(lists[0]);
    for (std::size_t i = 0; i < rows.size(); ++i) {
      const std::string name = rows[i].size() > 14 ? rows[i].substr(14) : "";
      if (rows[i][0] != ' ' && SameText(qm::DisplayToStored(qm::Trim(name)), path)) index = static_cast<int>(i);
    }
    return index >= 0;
  }, 10000);
  if (index < 0) return Fail("no row of the picker lists " + path);
  PrintRowPoint(lists[0], index);
  return 0;
}

int FieldIs(const std::string& title) {
  HWND window = ShownWindow(title);
  std::vector<HWND> edits = window != nullptr ? ChildrenOfClass(window, "Edit") : std::vector<HWND>{};
  if (edits.empty()) return Fail("no window \"" + title + "\" with edits");
  const std::string expected = HelperPath();
  std::string held;
  if (!WaitFor([&] { return (held = TextOf(edits[0])) == expected; }, 5000)) {
    return Fail("the field holds \"" + held + "\", not \"" + expected + "\"");
  }
  std::printf("the field holds %s\n", held.c_str());
  return 0;
}

std::string ProcessEntry(const std::string& mode) { return HelperPath() + " {" + mode + "}"; }
std::string CompanionEntry() { return HelperPath() + " {nop " + HelperPath() + "}"; }

int Lists(const std::string& mode) {
  const std::vector<std::string> programs = {qm::StoredToDisplay(CompanionEntry())};
  const std::vector<std::string> processes = {qm::StoredToDisplay(ProcessEntry(mode))};
  HWND programList = OptionsList(1);
  HWND processList = OptionsList(2);
  if (programList == nullptr || processList == nullptr) return Fail("no Options window with its two lists");
  if (!WaitFor([&] { return ListRows(programList) == programs && ListRows(processList) == processes; }, 5000)) {
    const auto shown = ListRows(processList);
    return Fail("the lists hold " + std::to_string(ListRows(programList).size()) + " and " +
                std::to_string(shown.size()) + " rows; expected the process entry \"" + processes[0] + "\"" +
                (shown.empty() ? "" : ", found \"" + shown[0] + "\""));
  }
  std::printf("the lists hold the entry and its companion\n");
  return 0;
}

int Saved(const std::string& mode) {
  const std::string path = Folder() + "Entries.qmf";
  const std::string runs = "[Run_Programs]\r\n0=1 " + CompanionEntry() + "\r\n";
  const std::string terminates = "[Terminate_Processes]\r\n0=1 " + ProcessEntry(mode) + "\r\n";
  if (!WaitFor([&] {
        const std::string text = ReadText(path);
        return text.find(runs) != std::string::npos && text.find(terminates) != std::string::npos;
      }, 10000)) {
    return Fail(path + " holds:\n" + ReadText(path) + "\nexpected the lines:\n" + runs + terminates);
  }
  std::printf("%s holds both entries\n", path.c_str());
  return 0;
}

int HelperEnded() {
  if (!qm::testing::WindowGone(kHelperTitle, 15000)) return Fail("the helper still runs");
  std::printf("the helper ended\n");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string step = argc > 1 ? argv[1] : "";
  const std::string arg = argc > 2 ? argv[2] : "";
  const std::string second = argc > 3 ? argv[3] : "";
  const std::string third = argc > 4 ? argv[4] : "";
  if (step == "prepare") return Prepare();
  if (step == "window") return Window(arg);
  if (step == "control") return Control(arg, second);
  if (step == "folder") return FolderButton(arg);
  if (step == "list") return List(std::atoi(arg.c_str()), second.empty() ? -1 : std::atoi(second.c_str()));
  if (step == "picker-row") return PickerRow();
  if (step == "resize") return Resize(arg, std::atoi(second.c_str()), std::atoi(third.c_str()));
  if (step == "field-is") return FieldIs(arg);
  if (step == "lists") return Lists(arg);
  if (step == "saved") return Saved(arg);
  if (step == "helper-ended") return HelperEnded();
  return Fail("unknown step " + step);
}
