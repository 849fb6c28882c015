#include "engine/cpsapi.h"

#include <array>

#include "engine/process_row.h"

namespace qm {

CPSAPI::CPSAPI(Processes& processes) : processes_(processes) {
  isNT_ = processes_.PlatformId() == kPlatformWin32Nt;
  if (isNT_) {
    psapi_ = processes_.LoadLibraryA("PSAPI.DLL");
    vdmdbg_ = processes_.LoadLibraryA("VDMDBG.DLL");
    const ModuleHandle kernel = processes_.GetModuleHandleA("KERNEL32.DLL");
    if (kernel != 0 && processes_.HasProcAddress(kernel, "QueryFullProcessImageNameA")) imageNameKernel_ = kernel;
  }
}

CPSAPI::~CPSAPI() {
  if (vdmdbg_ != 0) processes_.FreeLibrary(vdmdbg_);
  if (psapi_ != 0) processes_.FreeLibrary(psapi_);
}

bool CPSAPI::OnProcess(const std::string&, ProcessId) { return true; }

bool CPSAPI::Enumerate() { return isNT_ ? EnumerateNt() : EnumerateToolhelp(); }

bool CPSAPI::EnumerateNt() {
  if (psapi_ == 0 || vdmdbg_ == 0) return false;
  // All five must be there, though the listing uses three: an installation
  // that lacks any of them is one the listing is not trusted on.
  if (!processes_.HasProcAddress(vdmdbg_, "VDMEnumTaskWOWEx") ||
      !processes_.HasProcAddress(psapi_, "EnumProcesses") ||
      !processes_.HasProcAddress(psapi_, "GetModuleFileNameExA") ||
      !processes_.HasProcAddress(psapi_, "GetModuleBaseNameA") ||
      !processes_.HasProcAddress(psapi_, "EnumProcessModules")) {
    return false;
  }

  std::array<ProcessId, kMaxListedProcesses> ids{};
  std::size_t count = 0;
  if (!processes_.EnumProcesses(psapi_, ids, count)) return false;

  for (std::size_t i = 0; i < count; ++i) {
    const ObjectHandle process = processes_.OpenProcess(kProcessQueryAndRead, ids[i]);
    if (process == 0) continue;  // not ours to read: no row
    std::string fileName;
    if (const ModuleHandle exe = processes_.FirstProcessModule(psapi_, process); exe != 0) {
      fileName = processes_.GetModuleFileNameExA(psapi_, process, exe, kFileNameBuffer);
    }
    if (fileName.empty() && imageNameKernel_ != 0) {
      fileName = processes_.QueryFullProcessImageNameA(imageNameKernel_, process, kFileNameBuffer);
    }
    const bool goOn = fileName.empty() || OnProcess(fileName, ids[i]);
    processes_.CloseHandle(process);
    if (!goOn) break;
  }
  return true;
}

bool CPSAPI::EnumerateToolhelp() {
  const ModuleHandle kernel = processes_.GetModuleHandleA("KERNEL32.DLL");
  if (kernel == 0 || !processes_.HasProcAddress(kernel, "CreateToolhelp32Snapshot") ||
      !processes_.HasProcAddress(kernel, "Process32First") || !processes_.HasProcAddress(kernel, "Process32Next")) {
    return false;
  }
  const ObjectHandle snapshot = processes_.CreateToolhelp32Snapshot(kernel, kSnapProcess, 0);
  // A snapshot that cannot be taken lists nothing; there is no handle to close.
  if (snapshot == 0) return true;
  ToolhelpProcessEntry entry;
  if (processes_.Process32First(kernel, snapshot, entry)) {
    while (OnProcess(entry.exeFile, entry.pid) && processes_.Process32Next(kernel, snapshot, entry)) {
    }
  }
  processes_.CloseHandle(snapshot);
  return true;
}

bool ListBoxPS::FillList(SortedRows& target) {
  target_ = &target;
  return Enumerate();
}

bool ListBoxPS::OnProcess(const std::string& fileName, ProcessId pid) {
  if (!fileName.empty() && target_ != nullptr) target_->Add(FormatProcessRow(pid, fileName));
  return true;
}

}  // namespace qm
