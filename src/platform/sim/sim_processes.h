#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "platform/processes.h"
#include "platform/sim/sim_world.h"

namespace qm::sim {

// Process services of the simulated machine, with the Windows failure rules:
// a process opens only for the rights it grants, a handle keeps working after
// its process exited, and a library entry point can be missing.
class SimProcesses final : public Processes {
 public:
  explicit SimProcesses(SimWorld& world) : world_(world) {}

  std::uint32_t PlatformId() override { return world_.PlatformId(); }
  ModuleHandle LoadLibraryA(const std::string& name) override;
  void FreeLibrary(ModuleHandle module) override;
  ModuleHandle GetModuleHandleA(const std::string& name) override;
  bool HasProcAddress(ModuleHandle module, const std::string& entryPoint) override;

  bool EnumProcesses(ModuleHandle psapi, std::span<ProcessId> ids, std::size_t& count) override;
  ModuleHandle FirstProcessModule(ModuleHandle psapi, ObjectHandle process) override;
  std::string GetModuleFileNameExA(ModuleHandle psapi, ObjectHandle process, ModuleHandle module,
                                  std::size_t limit) override;

  std::string QueryFullProcessImageNameA(ModuleHandle kernel, ObjectHandle process, std::size_t limit) override;

  ObjectHandle CreateToolhelp32Snapshot(ModuleHandle kernel, std::uint32_t flags, ProcessId pid) override;
  bool Process32First(ModuleHandle kernel, ObjectHandle snapshot, ToolhelpProcessEntry& entry) override;
  bool Process32Next(ModuleHandle kernel, ObjectHandle snapshot, ToolhelpProcessEntry& entry) override;

  ObjectHandle OpenProcess(std::uint32_t access, ProcessId pid) override;
  WaitResult WaitForSingleObject(ObjectHandle object, std::uint32_t milliseconds) override;
  bool TerminateProcess(ObjectHandle process, std::uint32_t exitCode) override;
  void CloseHandle(ObjectHandle object) override;

  ProcessId CurrentProcessId() override { return world_.SelfPid(); }
  std::string OwnExePath() override { return world_.SelfPath(); }

  // --- for tests ---
  void FailEnumProcesses(bool fail) { failEnum_ = fail; }
  void FailToolhelpSnapshot(bool fail) { failSnapshot_ = fail; }
  std::size_t OpenHandleCount() const { return handles_.size(); }
  std::size_t LoadedLibraryCount() const { return modules_.size(); }
  // Names in the order FreeLibrary received them.
  const std::vector<std::string>& FreedLibraries() const { return freed_; }
  int OpenProcessCalls() const { return openCalls_; }

 private:
  struct Handle {
    bool isSnapshot = false;
    ProcessId pid = 0;
    std::uint32_t access = 0;
    std::vector<ToolhelpProcessEntry> entries;  // snapshot only
    std::size_t next = 0;
  };
  bool LibraryHas(ModuleHandle module, const char* entryPoint) const;
  Handle* Find(ObjectHandle object);
  SimProcess* ProcessOf(const Handle& handle);
  bool NextEntry(ModuleHandle kernel, ObjectHandle snapshot, ToolhelpProcessEntry& entry, bool first);

  SimWorld& world_;
  std::map<ObjectHandle, Handle> handles_;
  std::map<ModuleHandle, std::string> modules_;  // loaded by LoadLibrary
  std::vector<std::string> freed_;
  ObjectHandle nextHandle_ = 0x100;
  ModuleHandle nextModule_ = 0x70000000;
  bool failEnum_ = false;
  bool failSnapshot_ = false;
  int openCalls_ = 0;
};

}  // namespace qm::sim
