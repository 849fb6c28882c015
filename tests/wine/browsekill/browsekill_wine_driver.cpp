// Drives BrowseKill and AutoAdd of a running Quellmarch.exe, one step per
// call, so that a host script can put the user's clicks between the steps:
//
//   qm_browsekill_wine_driver.exe prepare FILE     FILE.qmf in the test folder names QmBkConfigured.exe as
//                                                  an unchecked process entry with tags; that helper and
//                                                  QmBkOne, QmBkTwo and QmBkThree run; no window size stored
//   qm_browsekill_wine_driver.exe rows             BrowseKill lists the configured entry first, with its tags,
//                                                  then the separator, then each helper once, and not the
//                                                  program's own file: prints the rows of QmBkOne and QmBkTwo
//   qm_browsekill_wine_driver.exe tick ROW         prints the screen point of row ROW's check box (scrolled
//                                                  into view)
//   qm_browsekill_wine_driver.exe point WINDOW TEXT
//                                                  prints the centre of the control showing TEXT in the shown
//                                                  window captioned WINDOW
//   qm_browsekill_wine_driver.exe rect WINDOW [MS] the window is shown within MS ms (default 30000): prints
//                                                  its left top width height
//   qm_browsekill_wine_driver.exe client WINDOW    prints the client area's left top width height on screen
//   qm_browsekill_wine_driver.exe resize WINDOW W H
//                                                  gives the window that outer size; prints its rectangle
//   qm_browsekill_wine_driver.exe killed           QmBkOne and QmBkTwo have ended, the others still run
//   qm_browsekill_wine_driver.exe report           the "AutoAdd Complete" label counts T process entries and
//                                                  R = T + 1 program entries (the configured helper is in the
//                                                  process list already): prints T R
//   qm_browsekill_wine_driver.exe saved FILE T R   FILE.qmf holds the configured entry, then T polite process
//                                                  entries and R nop program entries marked autoadded, the
//                                                  helpers among them
//   qm_browsekill_wine_driver.exe size-stored W H  the stored BrowseKill window size is W x H
//
// Exit code 0 when the step found what it should; 1 otherwise, with the
// reason on stderr.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "driver_steps.h"
#include "helper_launch.h"

namespace {

using qm::testing::ChildCaptioned;
using qm::testing::ChildWhere;
using qm::testing::ExeDir;
using qm::testing::Fail;
using qm::testing::ListRows;
using qm::testing::PrintRect;
using qm::testing::ReadText;
using qm::testing::ResizeStep;
using qm::testing::SizeStoredStep;
using qm::testing::PrintClientRect;
using qm::testing::ShownWindow;
using qm::testing::WaitFor;
using qm::testing::WriteText;

constexpr char kSettingsKey[] = "Software\\Quellmarch";
constexpr char kBrowseKill[] =
    "Processes Currently Running - Check the ones to terminate and then hit the \"Kill\" button";
// The helpers: each one's exe name and the title of its window.
struct Helper {
  const char* exe;
  const char* title;
};
constexpr Helper kConfigured{"QmBkConfigured.exe", "QmBk configured"};
constexpr Helper kOne{"QmBkOne.exe", "QmBk one"};
constexpr Helper kTwo{"QmBkTwo.exe", "QmBk two"};
constexpr Helper kThree{"QmBkThree.exe", "QmBk three"};
constexpr char kTags[] = " {harsh} {rem configured}";

std::string Folder() { return ExeDir() + "browsekill_test\\"; }

// A process row's name text, trimmed: the file name padded to 19, a blank,
// the folder.
std::string NameText(const Helper& helper) {
  std::string name = helper.exe;
  name.resize(19, ' ');
  return name + " " + Folder();
}

std::string Qmf() {
  return "[Quellmarch]\r\nFileVersion=1\r\n[Startup_Options]\r\nStart_with_windows=0\r\nHide_Splashscreen=1\r\n"
         "Quit_after_activate=0\r\nActivate_onLaunch=0\r\nStart_Location=0\r\nStart_State=0\r\n[Configuration]\r\n"
         "DoubleClick_Action=0\r\nBrowseKill_DefaultChecks=0\r\nHide_errors=1\r\nMessage_Delay=5\r\n[Icons]\r\n"
         "Alternate_On_Icon=\r\nAlternate_Off_Icon=\r\nOn_Tooltip=QmBk: On\r\nOff_Tooltip=QmBk: Off\r\n"
         "[Run_Programs]\r\n[Terminate_Processes]\r\n0=0 " +
         Folder() + kConfigured.exe + kTags + "\r\n";
}

int Prepare(const std::string& file) {
  CreateDirectoryA(Folder().c_str(), nullptr);
  if (!WriteText(Folder() + file + ".qmf", Qmf())) return Fail("writing " + file + ".qmf");
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
      ERROR_SUCCESS) {
    return Fail("creating the settings key");
  }
  for (const char* name : {"LastFile", "BrowsekillWindow_Width", "BrowsekillWindow_Height"}) RegDeleteValueA(key, name);
  RegCloseKey(key);
  // Both widths among them: every one must be listed and end alike.
  bool other = true;
  for (const Helper& helper : {kConfigured, kOne, kTwo, kThree}) {
    const std::string exe = Folder() + helper.exe;
    const qm::testing::Width width = other ? qm::testing::OtherWidth() : qm::testing::OwnWidth();
    other = !other;
    if (!qm::testing::CopyHelperTo(exe, width)) return Fail(std::string("copying ") + helper.exe);
    const std::string args = "--title " + qm::testing::Quote(helper.title) + " --lifetime 170000";
    if (qm::testing::StartHelper(exe, args).pid == 0) return Fail(std::string("starting ") + helper.exe);
  }
  std::printf("prepared %s\n", (Folder() + file + ".qmf").c_str());
  return 0;
}


HWND BrowseKillList() {
  HWND window = ShownWindow(kBrowseKill);
  return window != nullptr ? FindWindowExA(window, nullptr, "ListBox", nullptr) : nullptr;
}

int Rows() {
  HWND list = BrowseKillList();
  if (list == nullptr) return Fail("no BrowseKill window with its list is shown");
  std::vector<std::string> rows;
  WaitFor([&] { return (rows = ListRows(list)).size() > 2; }, 10000);
  const std::string configured = NameText(kConfigured) + std::string(202, ' ') + " {rem configured} {harsh}";
  std::string all;
  for (const std::string& row : rows) all += "  [" + row.substr(0, 80) + "]\n";
  if (rows.size() < 5 || rows[0] != configured || !rows[1].empty()) {
    return Fail("the configured entry with its tags and the separator do not come first:\n" + all);
  }
  int found[3] = {-1, -1, -1};
  const Helper helpers[3] = {kOne, kTwo, kThree};
  // The running instance itself: its own file counts among the unsafe ones.
  std::string self = "Quellmarch.exe";
  self.resize(19, ' ');
  self += " " + ExeDir();
  for (std::size_t i = 2; i < rows.size(); ++i) {
    if (rows[i] == NameText(kConfigured)) return Fail("the configured helper is listed twice:\n" + all);
    if (lstrcmpiA(rows[i].c_str(), self.c_str()) == 0) return Fail("the program's own file is listed:\n" + all);
    for (int h = 0; h < 3; ++h) {
      if (rows[i] != NameText(helpers[h])) continue;
      if (found[h] != -1) return Fail(std::string(helpers[h].exe) + " is listed twice:\n" + all);
      found[h] = static_cast<int>(i);
    }
  }
  for (int h = 0; h < 3; ++h) {
    if (found[h] == -1) return Fail(std::string(helpers[h].exe) + " is not listed:\n" + all);
  }
  std::printf("%d %d\n", found[0], found[1]);
  return 0;
}

int Tick(int row) {
  HWND list = BrowseKillList();
  if (list == nullptr) return Fail("no BrowseKill list");
  const int height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
  RECT client{};
  GetClientRect(list, &client);
  const int visible = height > 0 ? (client.bottom - client.top) / height : 1;
  int top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
  if (row < top || row >= top + visible) {
    SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
    top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
  }
  // The check box fills the first 17 pixels of a row.
  POINT box{8, (row - top) * height + height / 2};
  ClientToScreen(list, &box);
  std::printf("%ld %ld\n", box.x, box.y);
  return 0;
}

int Point(const std::string& caption, const std::string& text) {
  HWND window = ShownWindow(caption);
  if (window == nullptr) return Fail("no window \"" + caption + "\" is shown");
  HWND control = ChildCaptioned(window, text);
  if (control == nullptr) return Fail("\"" + caption + "\" has no control showing \"" + text + "\"");
  qm::testing::PrintCentre(control);
  return 0;
}

int Rect(const std::string& caption, DWORD ms) {
  HWND window = ShownWindow(caption, ms);
  if (window == nullptr) return Fail("no window \"" + caption + "\" is shown");
  PrintRect(window);
  std::printf("\n");
  return 0;
}

int Client(const std::string& caption) {
  HWND window = ShownWindow(caption);
  if (window == nullptr) return Fail("no window \"" + caption + "\" is shown");
  PrintClientRect(window);
  return 0;
}

int Resize(const std::string& caption, int width, int height) {
  HWND window = ShownWindow(caption);
  if (window == nullptr) return Fail("no window \"" + caption + "\" is shown");
  return ResizeStep(window, width, height);
}

bool Runs(const Helper& helper) { return FindWindowA(nullptr, helper.title) != nullptr; }

int Killed() {
  using qm::testing::WindowGone;
  if (!WindowGone(kOne.title, 20000) || !WindowGone(kTwo.title, 20000)) return Fail("a ticked helper still runs");
  // The batch is over once the status window is gone; nothing else may have ended by then.
  WaitFor([] { return qm::testing::VisibleWindow("Quellmarch: Terminating Processes") == nullptr; }, 10000);
  if (!Runs(kThree) || !Runs(kConfigured)) return Fail("an unticked helper ended too");
  std::printf("exactly the two ticked helpers ended\n");
  return 0;
}

int Report() {
  HWND window = ShownWindow("AutoAdd Complete");
  if (window == nullptr) return Fail("no \"AutoAdd Complete\" window");
  HWND label = ChildWhere(window, [](const std::string& text) {
    return text.find(" processes added to Termination list, ") != std::string::npos;
  });
  if (label == nullptr) return Fail("no label with the counts");
  char text[256] = {};
  SendMessageA(label, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  int processes = -1;
  int programs = -1;
  char tail[64] = {};
  if (std::sscanf(text, "%d processes added to Termination list, %d added to Run list%63s", &processes, &programs,
                  tail) != 3 ||
      std::string(tail) != ".") {
    return Fail(std::string("the label reads \"") + text + "\"");
  }
  if (processes < 4 || programs != processes + 1) return Fail(std::string("unexpected counts: ") + text);
  std::printf("%d %d\n", processes, programs);
  return 0;
}

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The numbered lines of one section, without their "N=" keys.
std::vector<std::string> Section(const std::string& text, const std::string& name) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  bool inside = false;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line[0] == '[') {
      inside = line == "[" + name + "]";
      continue;
    }
    const std::size_t eq = line.find('=');
    if (inside && eq != std::string::npos) lines.push_back(line.substr(eq + 1));
  }
  return lines;
}

int Saved(const std::string& file, int processes, int programs) {
  const std::string path = Folder() + file + ".qmf";
  std::string text;
  if (!WaitFor([&] { return (text = ReadText(path)).find("autoadded") != std::string::npos; }, 10000)) {
    return Fail(path + " holds no new entries:\n" + text);
  }
  const std::vector<std::string> terminate = Section(text, "Terminate_Processes");
  const std::vector<std::string> run = Section(text, "Run_Programs");
  if (terminate.size() != static_cast<std::size_t>(processes) + 1 || run.size() != static_cast<std::size_t>(programs) ||
      terminate[0] != std::string("0 ") + Folder() + kConfigured.exe + kTags) {
    return Fail("unexpected lists in " + path + ":\n" + text);
  }
  for (std::size_t i = 1; i < terminate.size(); ++i) {
    if (terminate[i].rfind("1 ", 0) != 0 || !EndsWith(terminate[i], " {rem autoadded} {polite}")) {
      return Fail("not a polite autoadded entry: " + terminate[i]);
    }
  }
  for (const std::string& line : run) {
    const std::size_t rem = line.find(" {rem autoadded} {nop ");
    if (line.rfind("1 ", 0) != 0 || rem == std::string::npos ||
        line.substr(rem + 22) != line.substr(2, rem - 2) + "}") {
      return Fail("not an autoadded program entry that skips itself while it runs: " + line);
    }
  }
  auto has = [](const std::vector<std::string>& lines, const std::string& line) {
    for (const std::string& l : lines) {
      if (l == line) return true;
    }
    return false;
  };
  for (const Helper& helper : {kOne, kTwo, kThree}) {
    const std::string exe = Folder() + helper.exe;
    if (!has(terminate, "1 " + exe + " {rem autoadded} {polite}") ||
        !has(run, "1 " + exe + " {rem autoadded} {nop " + exe + "}")) {
      return Fail(std::string("no entries for ") + helper.exe + " in:\n" + text);
    }
  }
  if (!has(run, "1 " + Folder() + kConfigured.exe + " {rem autoadded} {nop " + Folder() + kConfigured.exe + "}")) {
    return Fail("the configured helper has no program entry:\n" + text);
  }
  std::printf("%s holds the new entries\n", path.c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string step = argc > 1 ? argv[1] : "";
  const std::string arg = argc > 2 ? argv[2] : "";
  auto number = [&](int i) { return argc > i ? std::atoi(argv[i]) : 0; };
  if (step == "prepare") return Prepare(arg);
  if (step == "rows") return Rows();
  if (step == "tick") return Tick(number(2));
  if (step == "point") return Point(arg, argc > 3 ? argv[3] : "");
  if (step == "rect") return Rect(arg, argc > 3 ? static_cast<DWORD>(number(3)) : 30000);
  if (step == "client") return Client(arg);
  if (step == "resize") return Resize(arg, number(3), number(4));
  if (step == "killed") return Killed();
  if (step == "report") return Report();
  if (step == "saved") return Saved(arg, number(3), number(4));
  if (step == "size-stored") {
    return SizeStoredStep("BrowsekillWindow_Width", "BrowsekillWindow_Height", number(2), number(3));
  }
  return Fail("unknown step " + step);
}
