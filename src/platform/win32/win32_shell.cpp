#include <windows.h>
#include <shellapi.h>

#include "platform/win32/win32_services.h"

namespace qm::win32 {

namespace {

using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, BOOL*);

// The system folder with its trailing backslash where this 32-bit program
// runs on 64-bit Windows; empty everywhere else. IsWow64Process came with XP.
const std::string& RedirectedSystemFolder() {
  static const std::string folder = [] {
    const auto isWow64 = reinterpret_cast<IsWow64ProcessFn>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("KERNEL32.DLL"), "IsWow64Process")));
    BOOL wow64 = FALSE;
    if (isWow64 == nullptr || !isWow64(::GetCurrentProcess(), &wow64) || !wow64) return std::string();
    char system[MAX_PATH] = {};
    const UINT length = ::GetSystemDirectoryA(system, MAX_PATH);
    return length == 0 || length >= MAX_PATH ? std::string() : std::string(system, length) + "\\";
  }();
  return folder;
}

// A 32-bit program that names a file in System32 on 64-bit Windows is shown
// the 32-bit SysWOW64 instead, which lacks the system's 64-bit-only programs
// and has 32-bit stand-ins for others. What a user names there is the
// system's own program (the path the process list shows for it), reached
// from here as Sysnative (Vista and later); where that does not exist the
// path goes to the shell as it is.
std::string NativeSystemPath(const std::string& file) {
  const std::string& system = RedirectedSystemFolder();
  if (system.empty() || file.size() <= system.size() ||
      ::lstrcmpiA(file.substr(0, system.size()).c_str(), system.c_str()) != 0) {
    return file;
  }
  // Sysnative stands beside System32.
  const std::size_t parent = system.find_last_of('\\', system.size() - 2);
  if (parent == std::string::npos) return file;
  const std::string native = system.substr(0, parent + 1) + "Sysnative\\" + file.substr(system.size());
  return ::GetFileAttributesA(native.c_str()) != INVALID_FILE_ATTRIBUTES ? native : file;
}

}  // namespace

std::intptr_t Win32Shell::Execute(WindowHandle owner, const std::string& verb, const std::string& file,
                                  const std::string& parameters, const std::string& directory, int showCommand) {
  HINSTANCE result = ::ShellExecuteA(reinterpret_cast<HWND>(owner), verb.c_str(), NativeSystemPath(file).c_str(),
                                     parameters.c_str(), directory.c_str(), showCommand);
  return reinterpret_cast<std::intptr_t>(result);
}

bool Win32Shell::SetScreenSaveActive(bool active) {
  return ::SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, active ? 1 : 0, nullptr, 0) != 0;
}

}  // namespace qm::win32
