#include "platform/sim/sim_world.h"

#include <algorithm>
#include <stdexcept>

namespace qm::sim {

std::string UpperAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

SimWorld::SimWorld() {
  SetLibrary("KERNEL32.DLL", {"CreateToolhelp32Snapshot", "Process32First", "Process32Next"});
  UseWindowsNt();
}

SimProcess& SimWorld::AddProcess(ProcessId pid, const std::string& path) {
  if (FindLive(pid) != nullptr) throw std::logic_error("pid already running: " + std::to_string(pid));
  SimProcess process;
  process.pid = pid;
  process.path = path;
  processes_.push_back(process);
  newestByPid_[pid] = &processes_.back();
  return processes_.back();
}

WindowHandle SimWorld::AddWindow(ProcessId owner, const std::string& title) {
  SimWindow window;
  window.handle = nextWindow_;
  nextWindow_ += 0x10;
  window.owner = owner;
  window.title = title;
  windows_.push_back(window);
  return window.handle;
}

void SimWorld::UseWindows9x() {
  platformId_ = 1;
  RemoveLibrary("PSAPI.DLL");
  RemoveLibrary("VDMDBG.DLL");
}

void SimWorld::UseWindowsNt() {
  platformId_ = 2;
  SetLibrary("PSAPI.DLL", {"EnumProcesses", "GetModuleFileNameExA", "GetModuleBaseNameA", "EnumProcessModules"});
  SetLibrary("VDMDBG.DLL", {"VDMEnumTaskWOWEx"});
}

void SimWorld::UseWindowsVistaOrLater() {
  UseWindowsNt();
  libraries_["KERNEL32.DLL"].insert("QueryFullProcessImageNameA");
}

void SimWorld::SetLibrary(const std::string& name, std::set<std::string> entryPoints) {
  libraries_[UpperAscii(name)] = std::move(entryPoints);
}

void SimWorld::RemoveLibrary(const std::string& name) { libraries_.erase(UpperAscii(name)); }

void SimWorld::RemoveEntryPoint(const std::string& library, const std::string& entryPoint) {
  auto it = libraries_.find(UpperAscii(library));
  if (it != libraries_.end()) it->second.erase(entryPoint);
}

void SimWorld::SetSelf(ProcessId pid, const std::string& exePath) {
  selfPid_ = pid;
  selfPath_ = exePath;
}

const std::set<std::string>* SimWorld::Library(const std::string& name) const {
  auto it = libraries_.find(UpperAscii(name));
  return it == libraries_.end() ? nullptr : &it->second;
}

void SimWorld::AdvanceTo(std::uint64_t time) {
  if (time < now_) return;
  // Exits happen in time order so that a test sees the same world whatever
  // step sizes brought the clock here.
  for (;;) {
    SimProcess* next = nullptr;
    for (SimProcess& p : processes_) {
      if (!p.exited && p.exitAt && *p.exitAt <= time && (next == nullptr || *p.exitAt < *next->exitAt)) next = &p;
    }
    if (next == nullptr) break;
    now_ = std::max(now_, *next->exitAt);
    Exit(*next);
  }
  now_ = time;
}

void SimWorld::EndProcess(ProcessId pid) {
  if (SimProcess* p = FindLive(pid)) Exit(*p);
}

void SimWorld::Exit(SimProcess& process) {
  process.exited = true;
  process.exitAt.reset();
  std::erase_if(windows_, [&](const SimWindow& w) { return w.owner == process.pid; });
}

SimProcess* SimWorld::FindProcess(ProcessId pid) {
  // The newest entry wins: a pid can be reused after its process exited.
  auto it = newestByPid_.find(pid);
  return it == newestByPid_.end() ? nullptr : it->second;
}

SimProcess* SimWorld::FindLive(ProcessId pid) {
  SimProcess* p = FindProcess(pid);
  return (p != nullptr && !p->exited) ? p : nullptr;
}

SimWindow* SimWorld::FindWindow(WindowHandle handle) {
  for (SimWindow& w : windows_) {
    if (w.handle == handle) return &w;
  }
  return nullptr;
}

void SimWorld::DeliverClose(SimProcess& process) {
  switch (process.onClose) {
    case CloseAnswer::ExitAtOnce:
      Exit(process);
      break;
    case CloseAnswer::ExitAfterDelay: {
      const std::uint64_t at = now_ + process.closeDelayMs;
      if (!process.exitAt || at < *process.exitAt) process.exitAt = at;
      if (process.closeDelayMs == 0) Exit(process);
      break;
    }
    case CloseAnswer::Ignore:
      break;
  }
}

}  // namespace qm::sim
