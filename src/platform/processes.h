#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "platform/handles.h"

namespace qm {

// dwPlatformId values of the version record.
inline constexpr std::uint32_t kPlatformWin32Windows = 1;  // 95/98
inline constexpr std::uint32_t kPlatformWin32Nt = 2;

// Access rights the program asks for.
inline constexpr std::uint32_t kProcessQueryAndRead = 0x0410;       // QUERY_INFORMATION | VM_READ
inline constexpr std::uint32_t kProcessSyncAndTerminate = 0x00100001;  // SYNCHRONIZE | TERMINATE

// Toolhelp snapshot flag for the process list.
inline constexpr std::uint32_t kSnapProcess = 0x00000002;

enum class WaitResult { Signaled, Timeout, Failed };

// The two fields of PROCESSENTRY32 the program reads.
struct ToolhelpProcessEntry {
  ProcessId pid = 0;
  std::string exeFile;
};

// Process services, one call per Windows function, with its failure values:
// a null handle, false, or zero. Library functions are reached through the
// module handle they were loaded into, because whether a library or one of its
// entry points exists is itself something the program decides on.
class Processes {
 public:
  virtual ~Processes() = default;

  // dwPlatformId of GetVersionExA; 0 when the version cannot be read.
  virtual std::uint32_t PlatformId() = 0;

  virtual ModuleHandle LoadLibraryA(const std::string& name) = 0;
  virtual void FreeLibrary(ModuleHandle module) = 0;
  // An already loaded module (KERNEL32.DLL), not loaded again.
  virtual ModuleHandle GetModuleHandleA(const std::string& name) = 0;
  virtual bool HasProcAddress(ModuleHandle module, const std::string& entryPoint) = 0;

  // PSAPI.DLL, reached through its module handle. EnumProcesses fills `ids`
  // and sets `count` to the ids written; it never lists more than ids.size().
  virtual bool EnumProcesses(ModuleHandle psapi, std::span<ProcessId> ids, std::size_t& count) = 0;
  // The first module of the process, which is its executable; 0 on failure.
  virtual ModuleHandle FirstProcessModule(ModuleHandle psapi, ObjectHandle process) = 0;
  // Full file name of `module`, at most `limit` - 1 characters; empty on failure.
  virtual std::string GetModuleFileNameExA(ModuleHandle psapi, ObjectHandle process, ModuleHandle module,
                                          std::size_t limit) = 0;

  // QueryFullProcessImageNameA of KERNEL32.DLL (Vista and later), reached
  // through its module handle: the Win32 path of the process's executable, at
  // most `limit` - 1 characters; empty on failure. Unlike the module list it
  // works across the 32/64-bit line.
  virtual std::string QueryFullProcessImageNameA(ModuleHandle kernel, ObjectHandle process, std::size_t limit) = 0;

  // Toolhelp of KERNEL32.DLL, reached through its module handle. A failed
  // snapshot is the null handle.
  virtual ObjectHandle CreateToolhelp32Snapshot(ModuleHandle kernel, std::uint32_t flags, ProcessId pid) = 0;
  virtual bool Process32First(ModuleHandle kernel, ObjectHandle snapshot, ToolhelpProcessEntry& entry) = 0;
  virtual bool Process32Next(ModuleHandle kernel, ObjectHandle snapshot, ToolhelpProcessEntry& entry) = 0;

  virtual ObjectHandle OpenProcess(std::uint32_t access, ProcessId pid) = 0;
  virtual WaitResult WaitForSingleObject(ObjectHandle object, std::uint32_t milliseconds) = 0;
  virtual bool TerminateProcess(ObjectHandle process, std::uint32_t exitCode) = 0;
  virtual void CloseHandle(ObjectHandle object) = 0;

  // This program: its own pid and the full path of its executable.
  virtual ProcessId CurrentProcessId() = 0;
  virtual std::string OwnExePath() = 0;
};

}  // namespace qm
