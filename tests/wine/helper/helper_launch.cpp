#include "helper_launch.h"

#include <cstdio>

namespace qm::testing {

std::string ExeDir() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir = path;
  return dir.substr(0, dir.find_last_of("\\/") + 1);
}

Width OwnWidth() { return sizeof(void*) == 4 ? Width::Bits32 : Width::Bits64; }

// A machine whose Wine runs no 32-bit programs still tests the 64-bit exe,
// with 64-bit helpers alone (tools/test.sh says so).
Width OtherWidth() {
  if (OwnWidth() == Width::Bits64 && GetEnvironmentVariableA("QM_HELPERS_64BIT_ONLY", nullptr, 0) != 0) {
    return Width::Bits64;
  }
  return OwnWidth() == Width::Bits32 ? Width::Bits64 : Width::Bits32;
}

const char* Name(Width width) { return width == Width::Bits32 ? "32-bit" : "64-bit"; }

std::string HelperExe(Width width) {
  if (width == Width::Bits32 && OtherWidth() == OwnWidth()) width = Width::Bits64;  // no 32-bit programs here
  return ExeDir() + (width == Width::Bits32 ? "qm_test_helper32.exe" : "qm_test_helper64.exe");
}

bool CopyHelperTo(const std::string& path, Width width) {
  const std::string folder = path.substr(0, path.find_last_of('\\'));
  CreateDirectoryA(folder.c_str(), nullptr);
  if (CopyFileA(HelperExe(width).c_str(), path.c_str(), FALSE)) return true;
  std::printf("CopyFileA of the %s helper to %s failed: error %lu\n", Name(width), path.c_str(), GetLastError());
  return false;
}

std::string NativeSystemFolder() {
  char system[MAX_PATH] = {};
  GetSystemDirectoryA(system, MAX_PATH);
  std::string folder = std::string(system) + "\\";
  using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, BOOL*);
  const auto isWow64 = reinterpret_cast<IsWow64ProcessFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("KERNEL32.DLL"), "IsWow64Process")));
  BOOL wow64 = FALSE;
  if (isWow64 != nullptr && isWow64(GetCurrentProcess(), &wow64) && wow64) {
    folder = folder.substr(0, folder.find_last_of('\\', folder.size() - 2) + 1) + "Sysnative\\";
  }
  return folder;
}

std::string ImagePath(DWORD pid) {
  using QueryFullProcessImageNameAFn = BOOL(WINAPI*)(HANDLE, DWORD, LPSTR, DWORD*);
  const auto query = reinterpret_cast<QueryFullProcessImageNameAFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("KERNEL32.DLL"), "QueryFullProcessImageNameA")));
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, pid);
  char path[MAX_PATH] = {};
  DWORD length = MAX_PATH;
  if (process != nullptr && query != nullptr && !query(process, 0, path, &length)) path[0] = '\0';
  if (process != nullptr) CloseHandle(process);
  return path;
}

std::string Quote(const std::string& text) { return "\"" + text + "\""; }

StartedHelper StartHelper(const std::string& exePath, const std::string& args, DWORD timeoutMs) {
  static int serial = 0;
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string ready = std::string(temp) + "qm_helper_ready_" + std::to_string(GetCurrentProcessId()) + "_" +
                            std::to_string(++serial);
  DeleteFileA(ready.c_str());

  std::string commandLine = Quote(exePath) + " " + args + " --ready " + Quote(ready);
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  StartedHelper helper;
  if (!CreateProcessA(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                      nullptr, &startup, &info)) {
    return helper;
  }
  CloseHandle(info.hThread);
  helper.process = info.hProcess;
  const DWORD start = GetTickCount();
  while (GetFileAttributesA(ready.c_str()) == INVALID_FILE_ATTRIBUTES) {
    const bool ended = WaitForSingleObject(info.hProcess, 20) == WAIT_OBJECT_0;
    if (ended || GetTickCount() - start > timeoutMs) {
      DWORD code = 0;
      GetExitCodeProcess(info.hProcess, &code);
      std::printf("helper %s %s (exit code %lu)\n", exePath.c_str(), ended ? "ended before it was ready" : "not ready in time",
                  code);
      End(helper);
      return helper;
    }
  }
  DeleteFileA(ready.c_str());
  helper.pid = info.dwProcessId;
  return helper;
}

void End(StartedHelper& helper) {
  if (helper.process == nullptr) return;
  if (WaitForSingleObject(helper.process, 0) != WAIT_OBJECT_0) {
    TerminateProcess(helper.process, 9);
    WaitForSingleObject(helper.process, 5000);
  }
  CloseHandle(helper.process);
  helper.process = nullptr;
}

}  // namespace qm::testing
