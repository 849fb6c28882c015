// Prints what a snapshot refresh costs next to a bare loop over the same
// Windows calls that builds no rows, with about 100 extra processes running.
// Run under Wine from the bin folder:  qm_bench_snapshot.exe [helpers] [rounds]

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "engine/process_snapshot.h"
#include "helper_launch.h"
#include "platform/win32/win32_platform.h"

namespace {

using EnumProcessesFn = BOOL(WINAPI*)(DWORD*, DWORD, DWORD*);
using EnumProcessModulesFn = BOOL(WINAPI*)(HANDLE, HMODULE*, DWORD, DWORD*);
using GetModuleFileNameExAFn = DWORD(WINAPI*)(HANDLE, HMODULE, LPSTR, DWORD);

// The listing's calls with nothing else around them. Its only output is a
// count, so the compiler cannot drop the work.
class BareLoop {
 public:
  BareLoop() : psapi_(LoadLibraryA("PSAPI.DLL")) {
    enumProcesses_ = reinterpret_cast<EnumProcessesFn>(reinterpret_cast<void*>(GetProcAddress(psapi_, "EnumProcesses")));
    enumModules_ =
        reinterpret_cast<EnumProcessModulesFn>(reinterpret_cast<void*>(GetProcAddress(psapi_, "EnumProcessModules")));
    fileName_ = reinterpret_cast<GetModuleFileNameExAFn>(
        reinterpret_cast<void*>(GetProcAddress(psapi_, "GetModuleFileNameExA")));
  }
  ~BareLoop() { FreeLibrary(psapi_); }
  BareLoop(const BareLoop&) = delete;
  BareLoop& operator=(const BareLoop&) = delete;

  std::size_t Processes() {
    static DWORD ids[1024];
    static HMODULE modules[1024];
    DWORD bytes = 0;
    if (!enumProcesses_(ids, sizeof(ids), &bytes)) return 0;
    std::size_t named = 0;
    for (DWORD i = 0; i < bytes / sizeof(DWORD); ++i) {
      HANDLE process = OpenProcess(0x0410, FALSE, ids[i]);
      if (process == nullptr) continue;
      DWORD needed = 0;
      char name[260];
      if (enumModules_(process, modules, sizeof(modules), &needed) && fileName_(process, modules[0], name, 260) > 0) {
        ++named;
      }
      CloseHandle(process);
    }
    return named;
  }

  static std::size_t Windows() {
    std::size_t titled = 0;
    EnumWindows(
        [](HWND window, LPARAM context) CALLBACK -> BOOL {
          DWORD pid = 0;
          if (GetWindowThreadProcessId(window, &pid) == 0) return FALSE;
          char title[110];
          if (GetWindowTextA(window, title, 110) > 0) ++*reinterpret_cast<std::size_t*>(context);
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&titled));
    return titled;
  }

 private:
  HMODULE psapi_;
  EnumProcessesFn enumProcesses_ = nullptr;
  EnumProcessModulesFn enumModules_ = nullptr;
  GetModuleFileNameExAFn fileName_ = nullptr;
};

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double TimeOnce(const std::function<void()>& work) {
  LARGE_INTEGER from;
  LARGE_INTEGER to;
  QueryPerformanceCounter(&from);
  work();
  QueryPerformanceCounter(&to);
  return Seconds(from, to);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Alternates the two so that drifts of the machine hit both alike.
void Compare(const char* what, int rounds, const std::function<void()>& ours, const std::function<void()>& bare) {
  std::vector<double> oursTimes;
  std::vector<double> bareTimes;
  ours();
  bare();
  for (int i = 0; i < rounds; ++i) {
    oursTimes.push_back(TimeOnce(ours));
    bareTimes.push_back(TimeOnce(bare));
  }
  const double o = Median(oursTimes);
  const double b = Median(bareTimes);
  std::printf("%-28s ours %8.3f ms   bare loop %8.3f ms   ratio %.3f (goal <= 1.2)\n", what, o * 1000, b * 1000,
              o / b);
}

}  // namespace

int main(int argc, char** argv) {
  const int helpers = argc > 1 ? std::atoi(argv[1]) : 100;
  const int rounds = argc > 2 ? std::atoi(argv[2]) : 31;

  std::vector<qm::testing::StartedHelper> started;
  const std::string helperExe = qm::testing::HelperExe(qm::testing::OwnWidth());
  for (int i = 0; i < helpers; ++i) {
    started.push_back(qm::testing::StartHelper(
        helperExe, "--hidden --lifetime 600000 --title " + qm::testing::Quote("Bench helper " + std::to_string(i))));
  }
  const auto running = std::count_if(started.begin(), started.end(), [](const auto& h) { return h.pid != 0; });

  qm::win32::Win32Platform win32;
  bool titles = false;
  qm::ProcessSnapshot snapshot(win32.processes, win32.windows, [&] { return titles; });
  snapshot.Refresh();
  std::printf("%ld helpers running, %zu rows without window titles, family %s\n", static_cast<long>(running),
              snapshot.Count(), snapshot.IsNT() ? "NT" : "95/98");

  if (snapshot.IsNT()) {
    BareLoop bare;
    Compare("Refresh (processes)", rounds, [&] { snapshot.Refresh(); }, [&] { bare.Processes(); });
    titles = true;
    Compare("Refresh (+ window titles)", rounds, [&] { snapshot.Refresh(); },
            [&] {
              bare.Processes();
              BareLoop::Windows();
            });
    std::printf("rows with window titles: %zu\n", snapshot.Count());
  } else {
    std::printf("the bare loop is written for the NT listing; set an NT Windows version\n");
  }

  for (auto& h : started) qm::testing::End(h);
  return 0;
}
