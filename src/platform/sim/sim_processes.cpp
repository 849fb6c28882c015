#include "platform/sim/sim_processes.h"

#include <stdexcept>

namespace qm::sim {

namespace {

constexpr std::uint32_t kSynchronize = 0x00100000;
constexpr std::uint32_t kTerminate = 0x0001;
constexpr std::uint32_t kQueryAndRead = 0x0410;
constexpr std::uint32_t kQueryInformation = 0x0400;
constexpr std::uint32_t kQueryLimitedInformation = 0x1000;
constexpr std::uint32_t kInfinite = 0xFFFFFFFF;
constexpr ModuleHandle kKernelModule = 0x7C800000;
constexpr ModuleHandle kExeModule = 0x00400000;

}  // namespace

ModuleHandle SimProcesses::LoadLibraryA(const std::string& name) {
  if (world_.Library(name) == nullptr) return 0;
  const ModuleHandle module = nextModule_;
  nextModule_ += 0x10000;
  modules_[module] = UpperAscii(name);
  return module;
}

void SimProcesses::FreeLibrary(ModuleHandle module) {
  auto it = modules_.find(module);
  if (it == modules_.end()) throw std::logic_error("FreeLibrary of a module that is not loaded");
  freed_.push_back(it->second);
  modules_.erase(it);
}

ModuleHandle SimProcesses::GetModuleHandleA(const std::string& name) {
  return UpperAscii(name) == "KERNEL32.DLL" && world_.Library(name) != nullptr ? kKernelModule : 0;
}

bool SimProcesses::LibraryHas(ModuleHandle module, const char* entryPoint) const {
  std::string name;
  if (module == kKernelModule) {
    name = "KERNEL32.DLL";
  } else {
    auto it = modules_.find(module);
    if (it == modules_.end()) return false;
    name = it->second;
  }
  const auto* exports = world_.Library(name);
  return exports != nullptr && exports->count(entryPoint) != 0;
}

bool SimProcesses::HasProcAddress(ModuleHandle module, const std::string& entryPoint) {
  return LibraryHas(module, entryPoint.c_str());
}

bool SimProcesses::EnumProcesses(ModuleHandle psapi, std::span<ProcessId> ids, std::size_t& count) {
  count = 0;
  if (!LibraryHas(psapi, "EnumProcesses") || failEnum_) return false;
  for (const SimProcess& p : world_.AllProcesses()) {
    if (p.exited) continue;
    if (count == ids.size()) break;
    ids[count++] = p.pid;
  }
  return true;
}

SimProcesses::Handle* SimProcesses::Find(ObjectHandle object) {
  auto it = handles_.find(object);
  return it == handles_.end() ? nullptr : &it->second;
}

SimProcess* SimProcesses::ProcessOf(const Handle& handle) { return world_.FindProcess(handle.pid); }

ModuleHandle SimProcesses::FirstProcessModule(ModuleHandle psapi, ObjectHandle process) {
  Handle* h = Find(process);
  if (!LibraryHas(psapi, "EnumProcessModules") || h == nullptr || h->isSnapshot) return 0;
  if ((h->access & kQueryAndRead) != kQueryAndRead) return 0;
  SimProcess* p = ProcessOf(*h);
  return (p != nullptr && !p->exited && p->modulesListable) ? kExeModule : 0;
}

std::string SimProcesses::GetModuleFileNameExA(ModuleHandle psapi, ObjectHandle process, ModuleHandle module,
                                              std::size_t limit) {
  Handle* h = Find(process);
  if (!LibraryHas(psapi, "GetModuleFileNameExA") || h == nullptr || h->isSnapshot || module != kExeModule) return {};
  SimProcess* p = ProcessOf(*h);
  if (p == nullptr || p->exited || limit == 0) return {};
  return p->path.substr(0, limit - 1);
}

std::string SimProcesses::QueryFullProcessImageNameA(ModuleHandle kernel, ObjectHandle process, std::size_t limit) {
  Handle* h = Find(process);
  if (!LibraryHas(kernel, "QueryFullProcessImageNameA") || h == nullptr || h->isSnapshot) return {};
  if ((h->access & (kQueryInformation | kQueryLimitedInformation)) == 0) return {};
  SimProcess* p = ProcessOf(*h);
  if (p == nullptr || p->exited || !p->imageNameReadable || limit == 0) return {};
  return p->path.substr(0, limit - 1);
}

ObjectHandle SimProcesses::CreateToolhelp32Snapshot(ModuleHandle kernel, std::uint32_t flags, ProcessId) {
  if (!LibraryHas(kernel, "CreateToolhelp32Snapshot") || failSnapshot_ || (flags & kSnapProcess) == 0) return 0;
  Handle snapshot;
  snapshot.isSnapshot = true;
  for (const SimProcess& p : world_.AllProcesses()) {
    // szExeFile holds MAX_PATH characters with its terminator.
    if (!p.exited) snapshot.entries.push_back({p.pid, p.path.substr(0, 259)});
  }
  const ObjectHandle handle = nextHandle_;
  nextHandle_ += 4;
  handles_[handle] = std::move(snapshot);
  return handle;
}

bool SimProcesses::NextEntry(ModuleHandle kernel, ObjectHandle snapshot, ToolhelpProcessEntry& entry, bool first) {
  if (!LibraryHas(kernel, first ? "Process32First" : "Process32Next")) return false;
  Handle* h = Find(snapshot);
  if (h == nullptr || !h->isSnapshot) return false;
  if (first) h->next = 0;
  if (h->next >= h->entries.size()) return false;
  entry = h->entries[h->next++];
  return true;
}

bool SimProcesses::Process32First(ModuleHandle kernel, ObjectHandle snapshot, ToolhelpProcessEntry& entry) {
  return NextEntry(kernel, snapshot, entry, true);
}

bool SimProcesses::Process32Next(ModuleHandle kernel, ObjectHandle snapshot, ToolhelpProcessEntry& entry) {
  return NextEntry(kernel, snapshot, entry, false);
}

ObjectHandle SimProcesses::OpenProcess(std::uint32_t access, ProcessId pid) {
  ++openCalls_;
  SimProcess* p = world_.FindLive(pid);
  if (p == nullptr || pid == 0) return 0;
  if ((access & kQueryAndRead) != 0 && !p->readable) return 0;
  if ((access & kTerminate) != 0 && !p->terminable) return 0;
  Handle h;
  h.pid = pid;
  h.access = access;
  const ObjectHandle handle = nextHandle_;
  nextHandle_ += 4;
  handles_[handle] = std::move(h);
  return handle;
}

WaitResult SimProcesses::WaitForSingleObject(ObjectHandle object, std::uint32_t milliseconds) {
  Handle* h = Find(object);
  if (h == nullptr || h->isSnapshot || (h->access & kSynchronize) == 0) return WaitResult::Failed;
  SimProcess* p = ProcessOf(*h);
  if (p == nullptr || p->waitFails) return WaitResult::Failed;
  if (p->exited) return WaitResult::Signaled;
  if (p->exitAt && (milliseconds == kInfinite || *p->exitAt <= world_.Now() + milliseconds)) {
    world_.AdvanceTo(*p->exitAt);
    return WaitResult::Signaled;
  }
  if (milliseconds == kInfinite) throw std::logic_error("endless wait for a process that never exits");
  world_.AdvanceBy(milliseconds);
  return p->exited ? WaitResult::Signaled : WaitResult::Timeout;
}

bool SimProcesses::TerminateProcess(ObjectHandle process, std::uint32_t) {
  Handle* h = Find(process);
  if (h == nullptr || h->isSnapshot || (h->access & kTerminate) == 0) return false;
  SimProcess* p = ProcessOf(*h);
  if (p == nullptr || p->exited || !p->forcedEndSucceeds) return false;
  p->endedByForce = true;
  world_.EndProcess(p->pid);
  return true;
}

void SimProcesses::CloseHandle(ObjectHandle object) {
  if (handles_.erase(object) == 0) throw std::logic_error("CloseHandle of a handle that is not open");
}

}  // namespace qm::sim
