#pragma once

#include <vector>

#include "platform/processes.h"

namespace qm::win32 {

// Process services over KERNEL32.DLL and, through the module handles the
// caller loaded, PSAPI.DLL. Library entry points are looked up with
// GetProcAddress so the exe imports nothing newer than Windows 95.
class Win32Processes final : public Processes {
 public:
  std::uint32_t PlatformId() override;
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

  ProcessId CurrentProcessId() override;
  std::string OwnExePath() override;

 private:
  // Entry points resolved once per library handle: a refresh calls them for
  // every process, and looking them up each time would show in its cost.
  struct PsapiEntries {
    ModuleHandle module = 0;
    void* enumProcesses = nullptr;
    void* enumProcessModules = nullptr;
    void* getModuleFileNameExA = nullptr;
  };
  struct KernelEntries {
    ModuleHandle module = 0;
    void* createSnapshot = nullptr;
    void* first = nullptr;
    void* next = nullptr;
    void* queryImageName = nullptr;
  };
  const PsapiEntries& Psapi(ModuleHandle module);
  const KernelEntries& Kernel(ModuleHandle module);
  bool NextEntry(ModuleHandle kernel, ObjectHandle snapshot, ToolhelpProcessEntry& entry, bool first);

  PsapiEntries psapi_;
  std::vector<ModuleHandle> modules_;  // EnumProcessModules' buffer, kept between calls
  KernelEntries kernel_;
};

}  // namespace qm::win32
