#pragma once

#include <cstdint>
#include <deque>
#include <unordered_map>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/handles.h"

namespace qm::sim {

// How a simulated process answers a close request to one of its windows.
enum class CloseAnswer { ExitAtOnce, ExitAfterDelay, Ignore };

struct SimProcess {
  ProcessId pid = 0;
  std::string path;            // full file name of the executable
  bool readable = true;        // opens for query+read, so its file name can be listed
  // Its module list can be read. False for a 64-bit process seen by a 32-bit
  // program, whose EnumProcessModules fails.
  bool modulesListable = true;
  bool imageNameReadable = true;  // QueryFullProcessImageNameA answers for it
  bool terminable = true;      // opens for synchronize+terminate
  CloseAnswer onClose = CloseAnswer::ExitAtOnce;
  std::uint32_t closeDelayMs = 0;
  bool forcedEndSucceeds = true;
  bool waitFails = false;      // a wait on it returns WAIT_FAILED

  bool exited = false;
  std::optional<std::uint64_t> exitAt;  // virtual time of a scheduled exit
  bool endedByForce = false;
};

struct SimWindow {
  WindowHandle handle = 0;
  ProcessId owner = 0;
  std::string title;
  bool gone = false;         // still met by a walk, but its owner reads as 0
  int closeRequests = 0;
};

// The shared state of the simulated machine: the virtual clock, the process
// table, the top-level windows in z-order and the loadable libraries. Time
// moves only through AdvanceTo/AdvanceBy, and scheduled exits happen as it
// passes them, so a test never sleeps for real.
class SimWorld {
 public:
  SimWorld();
  // Not copyable: the pid index points into the process table.
  SimWorld(const SimWorld&) = delete;
  SimWorld& operator=(const SimWorld&) = delete;

  // --- set-up ---
  SimProcess& AddProcess(ProcessId pid, const std::string& path);
  WindowHandle AddWindow(ProcessId owner, const std::string& title);
  // 95/98: platform id 1, no PSAPI.DLL or VDMDBG.DLL. NT: id 2, both present.
  void UseWindows9x();
  void UseWindowsNt();
  // NT 6 (Vista) and later: NT with QueryFullProcessImageNameA in KERNEL32.DLL.
  void UseWindowsVistaOrLater();
  void SetPlatformId(std::uint32_t id) { platformId_ = id; }
  // A library that loads, with the entry points it exports.
  void SetLibrary(const std::string& name, std::set<std::string> entryPoints);
  void RemoveLibrary(const std::string& name);
  void RemoveEntryPoint(const std::string& library, const std::string& entryPoint);
  void SetSelf(ProcessId pid, const std::string& exePath);

  // --- time ---
  std::uint64_t Now() const { return now_; }
  void AdvanceTo(std::uint64_t time);
  void AdvanceBy(std::uint64_t milliseconds) { AdvanceTo(now_ + milliseconds); }
  // Ends a process now, as if it quit by itself; its windows go with it.
  void EndProcess(ProcessId pid);

  // --- queries ---
  SimProcess* FindProcess(ProcessId pid);  // also exited ones
  SimProcess* FindLive(ProcessId pid);
  SimWindow* FindWindow(WindowHandle handle);
  std::deque<SimProcess>& AllProcesses() { return processes_; }
  std::vector<SimWindow>& Windows() { return windows_; }
  std::uint32_t PlatformId() const { return platformId_; }
  const std::set<std::string>* Library(const std::string& name) const;
  ProcessId SelfPid() const { return selfPid_; }
  const std::string& SelfPath() const { return selfPath_; }

  // A close request reached one of the process's windows.
  void DeliverClose(SimProcess& process);

 private:
  void Exit(SimProcess& process);

  std::uint64_t now_ = 0;
  std::uint32_t platformId_ = 2;
  std::deque<SimProcess> processes_;  // deque: AddProcess hands out references
  // Snapshots look every process up by pid; a table keeps that from growing
  // with the number of processes ever started.
  std::unordered_map<ProcessId, SimProcess*> newestByPid_;
  std::vector<SimWindow> windows_;
  WindowHandle nextWindow_ = 0x10010;
  std::map<std::string, std::set<std::string>> libraries_;  // upper-case name
  ProcessId selfPid_ = 4242;
  std::string selfPath_ = "C:\\Program Files\\Quellmarch\\Quellmarch.exe";
};

std::string UpperAscii(std::string text);

}  // namespace qm::sim
