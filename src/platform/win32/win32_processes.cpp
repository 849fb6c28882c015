#include "platform/win32/win32_processes.h"

// clang-format off
#include <windows.h>
#include <tlhelp32.h>
// clang-format on

#include <vector>

namespace qm::win32 {

namespace {

using EnumProcessesFn = BOOL(WINAPI*)(DWORD*, DWORD, DWORD*);
using EnumProcessModulesFn = BOOL(WINAPI*)(HANDLE, HMODULE*, DWORD, DWORD*);
using GetModuleFileNameExAFn = DWORD(WINAPI*)(HANDLE, HMODULE, LPSTR, DWORD);
using CreateToolhelp32SnapshotFn = HANDLE(WINAPI*)(DWORD, DWORD);
using Process32Fn = BOOL(WINAPI*)(HANDLE, PROCESSENTRY32*);
using QueryFullProcessImageNameAFn = BOOL(WINAPI*)(HANDLE, DWORD, LPSTR, DWORD*);

// Module handles count up to 1024 per process; only the first is used.
constexpr DWORD kModuleHandles = 1024;

HMODULE AsModule(ModuleHandle module) { return reinterpret_cast<HMODULE>(module); }
HANDLE AsHandle(ObjectHandle object) { return reinterpret_cast<HANDLE>(object); }

void* Lookup(ModuleHandle module, const char* name) {
  if (module == 0) return nullptr;
  return reinterpret_cast<void*>(::GetProcAddress(AsModule(module), name));
}

template <typename Fn>
Fn As(void* entry) {
  return reinterpret_cast<Fn>(entry);
}

}  // namespace

std::uint32_t Win32Processes::PlatformId() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof(version);  // 148
  if (!::GetVersionExA(&version)) return 0;
  return version.dwPlatformId;
}

ModuleHandle Win32Processes::LoadLibraryA(const std::string& name) {
  return reinterpret_cast<ModuleHandle>(::LoadLibraryA(name.c_str()));
}

void Win32Processes::FreeLibrary(ModuleHandle module) {
  if (module == psapi_.module) psapi_ = {};
  if (module == kernel_.module) kernel_ = {};
  ::FreeLibrary(AsModule(module));
}

ModuleHandle Win32Processes::GetModuleHandleA(const std::string& name) {
  return reinterpret_cast<ModuleHandle>(::GetModuleHandleA(name.c_str()));
}

bool Win32Processes::HasProcAddress(ModuleHandle module, const std::string& entryPoint) {
  return Lookup(module, entryPoint.c_str()) != nullptr;
}

const Win32Processes::PsapiEntries& Win32Processes::Psapi(ModuleHandle module) {
  if (psapi_.module != module) {
    psapi_.module = module;
    psapi_.enumProcesses = Lookup(module, "EnumProcesses");
    psapi_.enumProcessModules = Lookup(module, "EnumProcessModules");
    psapi_.getModuleFileNameExA = Lookup(module, "GetModuleFileNameExA");
  }
  return psapi_;
}

const Win32Processes::KernelEntries& Win32Processes::Kernel(ModuleHandle module) {
  if (kernel_.module != module) {
    kernel_.module = module;
    kernel_.createSnapshot = Lookup(module, "CreateToolhelp32Snapshot");
    kernel_.first = Lookup(module, "Process32First");
    kernel_.next = Lookup(module, "Process32Next");
    kernel_.queryImageName = Lookup(module, "QueryFullProcessImageNameA");
  }
  return kernel_;
}

bool Win32Processes::EnumProcesses(ModuleHandle psapi, std::span<ProcessId> ids, std::size_t& count) {
  count = 0;
  const auto fn = As<EnumProcessesFn>(Psapi(psapi).enumProcesses);
  if (fn == nullptr) return false;
  static_assert(sizeof(ProcessId) == sizeof(DWORD));
  DWORD bytes = 0;
  if (!fn(reinterpret_cast<DWORD*>(ids.data()), static_cast<DWORD>(ids.size_bytes()), &bytes)) return false;
  count = bytes / sizeof(DWORD);
  return true;
}

ModuleHandle Win32Processes::FirstProcessModule(ModuleHandle psapi, ObjectHandle process) {
  const auto fn = As<EnumProcessModulesFn>(Psapi(psapi).enumProcessModules);
  if (fn == nullptr) return 0;
  static_assert(sizeof(ModuleHandle) == sizeof(HMODULE));
  modules_.resize(kModuleHandles);
  DWORD needed = 0;
  if (!fn(AsHandle(process), reinterpret_cast<HMODULE*>(modules_.data()), kModuleHandles * sizeof(HMODULE), &needed) ||
      needed == 0) {
    return 0;
  }
  return modules_[0];
}

std::string Win32Processes::GetModuleFileNameExA(ModuleHandle psapi, ObjectHandle process, ModuleHandle module,
                                                 std::size_t limit) {
  const auto fn = As<GetModuleFileNameExAFn>(Psapi(psapi).getModuleFileNameExA);
  if (fn == nullptr || limit == 0) return {};
  std::string name(limit, '\0');
  const DWORD length = fn(AsHandle(process), AsModule(module), name.data(), static_cast<DWORD>(limit));
  // A name that filled the buffer may lack its terminator; keep what fits.
  name.resize(length < limit ? length : limit - 1);
  return name;
}

std::string Win32Processes::QueryFullProcessImageNameA(ModuleHandle kernel, ObjectHandle process,
                                                      std::size_t limit) {
  const auto fn = As<QueryFullProcessImageNameAFn>(Kernel(kernel).queryImageName);
  if (fn == nullptr || limit == 0) return {};
  std::string name(limit, '\0');
  DWORD length = static_cast<DWORD>(limit);  // in: the buffer's size; out: the characters written
  if (!fn(AsHandle(process), 0, name.data(), &length)) return {};  // 0: the Win32 path form
  name.resize(length < limit ? length : limit - 1);
  return name;
}

ObjectHandle Win32Processes::CreateToolhelp32Snapshot(ModuleHandle kernel, std::uint32_t flags, ProcessId pid) {
  const auto fn = As<CreateToolhelp32SnapshotFn>(Kernel(kernel).createSnapshot);
  if (fn == nullptr) return 0;
  HANDLE snapshot = fn(flags, pid);
  return snapshot == INVALID_HANDLE_VALUE ? 0 : reinterpret_cast<ObjectHandle>(snapshot);
}

bool Win32Processes::NextEntry(ModuleHandle kernel, ObjectHandle snapshot, ToolhelpProcessEntry& entry, bool first) {
  const KernelEntries& entries = Kernel(kernel);
  const auto fn = As<Process32Fn>(first ? entries.first : entries.next);
  if (fn == nullptr) return false;
  PROCESSENTRY32 record{};
  record.dwSize = sizeof(record);  // 296 in the 32-bit exe
  if (!fn(AsHandle(snapshot), &record)) return false;
  record.szExeFile[MAX_PATH - 1] = '\0';
  entry.pid = record.th32ProcessID;
  entry.exeFile = record.szExeFile;
  return true;
}

bool Win32Processes::Process32First(ModuleHandle kernel, ObjectHandle snapshot, ToolhelpProcessEntry& entry) {
  return NextEntry(kernel, snapshot, entry, true);
}

bool Win32Processes::Process32Next(ModuleHandle kernel, ObjectHandle snapshot, ToolhelpProcessEntry& entry) {
  return NextEntry(kernel, snapshot, entry, false);
}

ObjectHandle Win32Processes::OpenProcess(std::uint32_t access, ProcessId pid) {
  return reinterpret_cast<ObjectHandle>(::OpenProcess(access, FALSE, pid));
}

WaitResult Win32Processes::WaitForSingleObject(ObjectHandle object, std::uint32_t milliseconds) {
  switch (::WaitForSingleObject(AsHandle(object), milliseconds)) {
    case WAIT_OBJECT_0:
      return WaitResult::Signaled;
    case WAIT_TIMEOUT:
      return WaitResult::Timeout;
    default:
      return WaitResult::Failed;
  }
}

bool Win32Processes::TerminateProcess(ObjectHandle process, std::uint32_t exitCode) {
  return ::TerminateProcess(AsHandle(process), exitCode) != 0;
}

void Win32Processes::CloseHandle(ObjectHandle object) { ::CloseHandle(AsHandle(object)); }

ProcessId Win32Processes::CurrentProcessId() { return ::GetCurrentProcessId(); }

std::string Win32Processes::OwnExePath() {
  char path[MAX_PATH] = {};
  const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::string(path, length < MAX_PATH ? length : MAX_PATH - 1);
}

}  // namespace qm::win32
