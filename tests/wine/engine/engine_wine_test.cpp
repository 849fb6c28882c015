// Drives the engine against real processes: copies of qm_test_helper.exe
// under known names that answer a close request as the scenario needs.
//
//   qm_engine_wine_test.exe normal|harsh|polite|learn|launch|launch_system|nop
//
// Exit code 0 when every check of the scenario held.

#include <windows.h>

#include <cstdio>
#include <deque>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "config/config_data.h"
#include "config/memory_entry_list.h"
#include "engine/engine.h"
#include "helper_launch.h"
#include "platform/win32/win32_platform.h"

namespace {

using qm::testing::Quote;
using qm::testing::StartedHelper;

int g_failures = 0;

void Check(bool ok, const std::string& what) {
  std::printf("%s: %s\n", ok ? "ok" : "FAIL", what.c_str());
  if (!ok) ++g_failures;
}

// Prints what the windows would show; an error message is recorded, not
// waited for.
class ConsoleUi final : public qm::EngineUi {
 public:
  void SetStatusText(const std::string& text) override { Say("status " + text); }
  void SetProgress(int percent) override { Say("progress " + std::to_string(percent)); }
  void ShowStatus() override { Say("show"); }
  void HideStatus() override { Say("hide"); }
  void ShowError(const std::string& message) override {
    errors.push_back(message);
    Say("error " + message);
  }
  void MarkConfigChanged() override {
    changed = true;
    Say("changed");
  }
  void WindowToConfig() override { Say("window to config"); }

  std::vector<std::string> errors;
  bool changed = false;

 private:
  static void Say(const std::string& line) { std::printf("  ui: %s\n", line.c_str()); }
};

bool Running(const StartedHelper& helper) {
  return helper.process != nullptr && WaitForSingleObject(helper.process, 0) == WAIT_TIMEOUT;
}

bool WaitForFile(const std::string& path, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(50);
  }
  Sleep(200);  // let the writer finish
  return true;
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::string Lower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

class Scenario {
 public:
  Scenario()
      : dir_(qm::testing::ExeDir() + "engine-run\\"),
        config_(runList_, terminateList_),
        snapshot_(win32_.processes, win32_.windows),
        engine_(win32_.platform(), snapshot_, config_, ui_) {
    config_.Message_Delay = 20;
    CreateDirectoryA(dir_.c_str(), nullptr);
  }
  ~Scenario() {
    for (StartedHelper& h : helpers_) qm::testing::End(h);
    for (const std::string& file : files_) DeleteFileA(file.c_str());
    RemoveDirectoryA(dir_.c_str());
  }

  // A helper copied to <dir>\<name>, started with `args`.
  StartedHelper& Start(const std::string& name, const std::string& args) {
    const std::string path = dir_ + name;
    files_.push_back(path);
    Check(qm::testing::CopyHelperTo(path), "copy helper to " + name);
    helpers_.push_back(qm::testing::StartHelper(path, "--lifetime 90000 " + args));
    Check(helpers_.back().pid != 0, "start " + name);
    return helpers_.back();
  }

  // The pattern that names a helper: its full path where the system lists
  // full paths (NT), else any path ending in its name (95/98 under Wine lists
  // bare names).
  std::string PatternFor(const std::string& name) {
    return snapshot_.IsNT() ? dir_ + name : "*" + name;
  }

  int Terminate(const std::string& pattern, bool harsh, bool polite, bool learn, DWORD& elapsedMs) {
    const DWORD start = GetTickCount();
    const int result = engine_.terminator.TerminateMatching(pattern, harsh, polite, learn);
    elapsedMs = GetTickCount() - start;
    std::printf("TerminateMatching(%s) = %d after %lu ms\n", pattern.c_str(), result, elapsedMs);
    return result;
  }

  std::string Dir() const { return dir_; }
  std::string File(const std::string& name) {
    files_.push_back(dir_ + name);
    DeleteFileA(files_.back().c_str());
    return files_.back();
  }

  qm::win32::Win32Platform win32_;
  std::string dir_;
  qm::MemoryEntryList runList_;
  qm::MemoryEntryList terminateList_;
  qm::TConfigData config_;
  ConsoleUi ui_;
  qm::ProcessSnapshot snapshot_;
  qm::Engine engine_;

 private:
  std::deque<StartedHelper> helpers_;  // Start() hands out references
  std::vector<std::string> files_;
};

void Normal(Scenario& s) {
  StartedHelper& helper = s.Start("QmEngNormal.exe", "--close exit --title " + Quote("Engine normal"));
  DWORD ms = 0;
  Check(s.Terminate(s.PatternFor("QmEngNormal.exe"), false, false, false, ms) == qm::kEndedByItself,
        "a normal entry ends a process that closes on request: result 1");
  Check(!Running(helper), "the helper is gone");
  Check(ms < 10000, "well within the 15 s grace period");
  Check(s.ui_.errors.empty(), "no error shown");
}

void Harsh(Scenario& s) {
  StartedHelper& helper = s.Start("QmEngHarsh.exe", "--close ignore --title " + Quote("Engine harsh"));
  StartedHelper& bystander = s.Start("QmEngBystander.exe", "--close exit --title " + Quote("Engine bystander"));
  DWORD ms = 0;
  Check(s.Terminate(s.PatternFor("QmEngHarsh.exe"), true, false, false, ms) == qm::kEndedByForce,
        "a harsh entry forces a process that ignores the close request: result 2");
  Check(!Running(helper), "the helper is gone");
  DWORD code = 1;
  GetExitCodeProcess(helper.process, &code);
  Check(code == 0, "ended by force with exit code 0 (" + std::to_string(code) + ")");
  Check(ms >= 450 && ms < 5000, "forced after about 500 ms (" + std::to_string(ms) + " ms)");
  Check(Running(bystander), "another program is left alone");
}

void Polite(Scenario& s) {
  StartedHelper& helper = s.Start("QmEngPolite.exe", "--close ignore --title " + Quote("Engine polite"));
  DWORD ms = 0;
  Check(s.Terminate(s.PatternFor("QmEngPolite.exe"), false, true, false, ms) == qm::kStillRunning,
        "a polite entry gives up on a process that ignores it: result 0");
  Check(Running(helper), "the helper still runs");
  Check(s.ui_.errors.empty(), "and nothing is reported");
  Check(ms >= 4 * 90 && ms < 5000, "four passes of 100 ms (" + std::to_string(ms) + " ms)");
}

void Learn(Scenario& s) {
  s.Start("QmEngLearnHard.exe", "--close ignore --title " + Quote("Engine learn hard"));
  s.Start("QmEngLearnEasy.exe", "--close exit --title " + Quote("Engine learn easy"));
  std::string hard = s.PatternFor("QmEngLearnHard.exe") + " {learn}";
  std::string easy = s.PatternFor("QmEngLearnEasy.exe") + " {rem easy} {learn}";
  const DWORD start = GetTickCount();
  s.engine_.terminator.TerminateEntry(hard);
  const DWORD ms = GetTickCount() - start;
  Check(hard == s.PatternFor("QmEngLearnHard.exe") + " {harsh}", "a forced learner becomes harsh: " + hard);
  Check(ms >= 19500, "after the 20 s learning grace period (" + std::to_string(ms) + " ms)");
  Check(s.ui_.changed, "the configuration is marked changed");
  s.ui_.changed = false;
  s.engine_.terminator.TerminateEntry(easy);
  Check(easy == s.PatternFor("QmEngLearnEasy.exe") + " {rem easy}", "a learner that closes becomes normal: " + easy);
  Check(s.ui_.changed, "marked changed again");
  Check(s.ui_.errors.empty(), "no error shown");
}

void Launch(Scenario& s) {
  const std::string exe = s.Dir() + "QmEngLaunched.exe";
  Check(qm::testing::CopyHelperTo(exe), "copy helper to QmEngLaunched.exe");
  const std::string report = s.File("launch-report.txt");
  const std::string startDir = s.Dir() + "start here";
  CreateDirectoryA(startDir.c_str(), nullptr);
  const std::string args = "--report " + Quote(report) + " --lifetime 60000 --title " + Quote("Engine launched");
  const std::string entry = exe + " {arg " + args + "} {dir " + startDir + "} {min}";
  Check(s.engine_.launcher.LaunchEntry(entry), "LaunchEntry started the entry");
  const bool reported = WaitForFile(report, 20000);
  Check(reported, "the started program reported back");
  if (reported) {
    const std::vector<std::string> lines = ReadLines(report);
    Check(lines.size() >= 2, "two report lines");
    if (lines.size() >= 2) {
      std::printf("command line: %s\ncurrent directory: %s\n", lines[0].c_str(), lines[1].c_str());
      Check(lines[0].find(args) != std::string::npos, "started with the entry's arguments");
      Check(Lower(lines[1]) == Lower(startDir) || Lower(lines[1]) == Lower(startDir + "\\"),
            "started in the entry's directory");
    }
  }
  // The launched copy ends through the engine, which also tidies up.
  std::string cleanup = s.PatternFor("QmEngLaunched.exe") + " {harsh}";
  s.engine_.terminator.TerminateEntry(cleanup);
  Sleep(300);
  DeleteFileA(exe.c_str());
  RemoveDirectoryA(startDir.c_str());
}

// A program of the system's own in System32, which a 32-bit exe on 64-bit
// Windows would be shown as SysWOW64 (where it is missing) unless it goes
// round the redirection.
void LaunchSystem(Scenario& s) {
  const std::string native = qm::testing::NativeSystemFolder() + "QmEngSystem.exe";
  Check(qm::testing::CopyHelperTo(native, qm::testing::Width::Bits64), "copy the 64-bit helper into System32");
  char system[MAX_PATH] = {};
  GetSystemDirectoryA(system, MAX_PATH);
  const std::string report = s.File("system-report.txt");
  const std::string entry =
      std::string(system) + "\\QmEngSystem.exe {arg --report " + Quote(report) + " --lifetime 60000}";
  std::printf("entry: %s\n", entry.c_str());
  s.engine_.launcher.LaunchEntry(entry);
  Check(WaitForFile(report, 20000), "the program in System32 started");
  std::string cleanup = "*\\QmEngSystem.exe {harsh}";
  s.engine_.terminator.TerminateEntry(cleanup);
  Sleep(300);
  DeleteFileA(native.c_str());
}

void Nop(Scenario& s) {
  StartedHelper& blocker = s.Start("QmEngBlocker.exe", "--close exit --title " + Quote("Engine blocker"));
  const std::string exe = s.Dir() + "QmEngSkipped.exe";
  Check(qm::testing::CopyHelperTo(exe), "copy helper to QmEngSkipped.exe");
  const std::string report = s.File("nop-report.txt");
  const std::string entry =
      exe + " {arg --report " + Quote(report) + " --lifetime 60000} {nop *\\QmEngBlocker.exe}";
  Check(!s.engine_.launcher.LaunchEntry(entry), "skipped while its process runs");
  Check(!WaitForFile(report, 2000), "nothing was started");
  qm::testing::End(blocker);
  Check(s.engine_.launcher.LaunchEntry(entry), "started once its process is gone");
  Check(WaitForFile(report, 20000), "and the program ran");
  std::string cleanup = s.PatternFor("QmEngSkipped.exe") + " {harsh}";
  s.engine_.terminator.TerminateEntry(cleanup);
  Sleep(300);
  DeleteFileA(exe.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  const std::string scenario = argc == 2 ? argv[1] : "";
  const std::vector<std::pair<std::string, std::function<void(Scenario&)>>> scenarios = {
      {"normal", Normal}, {"harsh", Harsh}, {"polite", Polite}, {"learn", Learn}, {"launch", Launch},
      {"launch_system", LaunchSystem}, {"nop", Nop},
  };
  bool found = false;
  {
    Scenario s;
    std::printf("system family: %s\n", s.snapshot_.IsNT() ? "NT" : "95/98");
    for (const auto& [name, run] : scenarios) {
      if (name != scenario) continue;
      found = true;
      run(s);
    }
  }
  if (!found) {
    std::printf("usage: qm_engine_wine_test normal|harsh|polite|learn|launch|launch_system|nop\n");
    return 2;
  }
  std::printf("%s: %d failure(s)\n", g_failures == 0 ? "PASS" : "FAIL", g_failures);
  return g_failures == 0 ? 0 : 1;
}
