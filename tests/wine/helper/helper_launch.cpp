#include "helper_launch.h"

#include <cstdio>

namespace qm::testing {

std::string ExeDir() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir = path;
  return dir.substr(0, dir.find_last_of("\\/") + 1);
}

bool CopyHelperTo(const std::string& path) {
  const std::string folder = path.substr(0, path.find_last_of('\\'));
  CreateDirectoryA(folder.c_str(), nullptr);
  if (CopyFileA((ExeDir() + "qm_test_helper.exe").c_str(), path.c_str(), FALSE)) return true;
  std::printf("CopyFileA to %s failed: error %lu\n", path.c_str(), GetLastError());
  return false;
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
