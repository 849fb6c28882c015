// Drives the preview of the next toggle in a running Quellmarch.exe, one
// step per call, so that a host script can put the user's clicks between the
// steps:
//
//   qm_preview_wine_driver.exe prepare        Foretell.qmf in the test folder has two checked process
//                                             entries, one for QmPvAlpha.exe and one for QmPvBeta.exe;
//                                             those two and QmPvKeep.exe run; no preview size stored
//   qm_preview_wine_driver.exe rows toggle    the preview lists each entry with exactly its helper
//                                             (pid and path), never QmPvKeep, the state On and a
//                                             double-click that switches Off
//   qm_preview_wine_driver.exe rows matches   it lists the Beta entry alone with exactly its helper
//   qm_preview_wine_driver.exe rows refreshed it lists the Beta entry alone, matching nothing
//   qm_preview_wine_driver.exe dblclick       a double-click on the tray icon ends Alpha and Beta and
//                                             leaves Keep running
//   qm_preview_wine_driver.exe size-stored W H
//                                             the stored preview size is W x H
//
// Exit code 0 when the step found what it should; 1 otherwise, with the
// reason on stderr.

#include <windows.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "driver_steps.h"
#include "helper_launch.h"

namespace {

using qm::testing::ExeDir;
using qm::testing::Fail;
using qm::testing::ListRows;
using qm::testing::ShownWindow;
using qm::testing::WaitFor;
using qm::testing::WindowGone;

constexpr char kPreview[] = "Quellmarch - Preview";
constexpr UINT kTrayCallback = WM_APP + 100;

struct Helper {
  const char* exe;
  const char* title;
};
constexpr Helper kAlpha{"QmPvAlpha.exe", "QmPv alpha"};
constexpr Helper kBeta{"QmPvBeta.exe", "QmPv beta"};
constexpr Helper kKeep{"QmPvKeep.exe", "QmPv keep"};
// The two entries as the preview shows them: the mode word, then the stored text.
constexpr char kAlphaEntry[] = "*\\QmPvA*.exe";
constexpr char kBetaEntry[] = "*\\preview_test\\QmPvB*.EXE {harsh}";
const std::string kAlphaLine = std::string("  normal    ") + kAlphaEntry;
const std::string kBetaLine = std::string("  harsh     ") + kBetaEntry;

std::string Folder() { return ExeDir() + "preview_test\\"; }

std::string Qmf() {
  return "[Quellmarch]\r\nFileVersion=1\r\n[Startup_Options]\r\nStart_with_windows=0\r\nHide_Splashscreen=1\r\n"
         "Quit_after_activate=0\r\nActivate_onLaunch=0\r\nStart_Location=0\r\nStart_State=0\r\n[Configuration]\r\n"
         "DoubleClick_Action=0\r\nBrowseKill_DefaultChecks=0\r\nHide_errors=1\r\nMessage_Delay=5\r\n[Icons]\r\n"
         "Alternate_On_Icon=\r\nAlternate_Off_Icon=\r\nOn_Tooltip=QmPv: On\r\nOff_Tooltip=QmPv: Off\r\n"
         "[Run_Programs]\r\n[Terminate_Processes]\r\n0=1 " +
         std::string(kAlphaEntry) + "\r\n1=1 " + kBetaEntry + "\r\n";
}

int Prepare() {
  CreateDirectoryA(Folder().c_str(), nullptr);
  if (!qm::testing::WriteText(Folder() + "Foretell.qmf", Qmf())) return Fail("writing Foretell.qmf");
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\Quellmarch", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr) != ERROR_SUCCESS) {
    return Fail("creating the settings key");
  }
  for (const char* name : {"LastFile", "PreviewWindow_Width", "PreviewWindow_Height"}) RegDeleteValueA(key, name);
  RegCloseKey(key);
  // Both widths: the preview must see what a toggle sees across the 32/64-bit line.
  const qm::testing::Width widths[] = {qm::testing::OtherWidth(), qm::testing::OwnWidth(), qm::testing::OtherWidth()};
  int i = 0;
  for (const Helper& helper : {kAlpha, kBeta, kKeep}) {
    const std::string exe = Folder() + helper.exe;
    if (!qm::testing::CopyHelperTo(exe, widths[i++])) return Fail(std::string("copying ") + helper.exe);
    const std::string args = "--title " + qm::testing::Quote(helper.title) + " --lifetime 170000";
    if (qm::testing::StartHelper(exe, args).pid == 0) return Fail(std::string("starting ") + helper.exe);
  }
  std::printf("prepared %s\n", (Folder() + "Foretell.qmf").c_str());
  return 0;
}

DWORD PidOf(const Helper& helper) {
  HWND window = FindWindowA(nullptr, helper.title);
  DWORD pid = 0;
  if (window != nullptr) GetWindowThreadProcessId(window, &pid);
  return pid;
}

// The rows under each process entry's line, up to the first empty row (the
// end of the process entries): "    " + a mark of 6 + the pid right-aligned
// in 8 + two blanks + the path.
std::map<std::string, std::vector<std::string>> RowsByEntry(const std::vector<std::string>& rows) {
  std::map<std::string, std::vector<std::string>> byEntry;
  std::string entry;
  for (const std::string& row : rows) {
    if (row.empty()) break;
    if (row.size() > 2 && row.compare(0, 2, "  ") == 0 && row[2] != ' ') {
      entry = row;
      byEntry[entry];
    } else if (!entry.empty() && row.size() > 4 && row.compare(0, 4, "    ") == 0) {
      byEntry[entry].push_back(row);
    } else {
      entry.clear();
    }
  }
  return byEntry;
}

std::string MatchRow(const Helper& helper) {
  std::string pid = std::to_string(PidOf(helper));
  pid.insert(0, 8 - pid.size(), ' ');
  return "          " + pid + "  " + Folder() + helper.exe;
}

bool SameRows(const std::vector<std::string>& shown, const std::vector<std::string>& wanted) {
  if (shown.size() != wanted.size()) return false;
  for (std::size_t i = 0; i < shown.size(); ++i) {
    if (lstrcmpiA(shown[i].c_str(), wanted[i].c_str()) != 0) return false;
  }
  return true;
}

int Rows(const std::string& view) {
  HWND window = ShownWindow(kPreview);
  std::vector<HWND> lists = window != nullptr ? qm::testing::ChildrenOfClass(window, "ListBox") : std::vector<HWND>{};
  if (lists.size() != 1) return Fail("no preview window with its list is shown");
  const std::string nothing = "            (nothing running matches)";
  std::map<std::string, std::vector<std::string>> wanted;
  std::string first;
  if (view == "toggle") {
    first = "Terminate (switching Off):";
    wanted = {{kAlphaLine, {MatchRow(kAlpha)}}, {kBetaLine, {MatchRow(kBeta)}}};
  } else {
    first = "Matches of this process entry now, checked or not:";
    wanted = {{kBetaLine, {view == "matches" ? MatchRow(kBeta) : nothing}}};
  }
  std::vector<std::string> rows;
  std::map<std::string, std::vector<std::string>> shown;
  const bool ok = WaitFor([&] {
    rows = ListRows(lists[0]);
    shown = RowsByEntry(rows);
    if (rows.empty() || rows[0] != first || shown.size() != wanted.size()) return false;
    for (const auto& [entry, matches] : wanted) {
      if (!shown.count(entry) || !SameRows(shown[entry], matches)) return false;
    }
    return true;
  }, 10000);
  std::string all;
  bool keep = false;
  bool state = false;
  for (const std::string& row : rows) {
    all += "  [" + row + "]\n";
    keep = keep || row.find(kKeep.exe) != std::string::npos;
    state = state || row == "State now: On.";
  }
  if (!ok || keep) return Fail("the preview does not list exactly the matching helpers:\n" + all);
  if (view == "toggle" && (!state || all.find("(DblClick = Toggle): switches Off") == std::string::npos)) {
    return Fail("the preview does not tell the state and the double-click:\n" + all);
  }
  std::printf("the preview lists exactly the matching helpers\n");
  return 0;
}

int DoubleClick() {
  HWND tray = qm::testing::WindowNamed("Tray Icon");
  if (tray == nullptr) return Fail("no tray window");
  for (UINT mouse : {WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) PostMessageA(tray, kTrayCallback, 1006, mouse);
  if (!WindowGone(kAlpha.title, 20000) || !WindowGone(kBeta.title, 20000)) return Fail("a listed helper still runs");
  WaitFor([] { return qm::testing::VisibleWindow("Quellmarch: Terminating Processes") == nullptr; }, 10000);
  if (FindWindowA(nullptr, kKeep.title) == nullptr) return Fail("the helper no entry matches ended too");
  std::printf("the double-click ended exactly the listed helpers\n");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string step = argc > 1 ? argv[1] : "";
  auto number = [&](int i) { return argc > i ? std::atoi(argv[i]) : 0; };
  if (step == "prepare") return Prepare();
  if (step == "rows") return Rows(argc > 2 ? argv[2] : "");
  if (step == "dblclick") return DoubleClick();
  if (step == "size-stored") return qm::testing::SizeStoredStep("PreviewWindow_Width", "PreviewWindow_Height", number(2), number(3));
  return Fail("unknown step " + step);
}
