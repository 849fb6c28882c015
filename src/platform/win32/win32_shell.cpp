#include <windows.h>
#include <shellapi.h>

#include "platform/win32/win32_services.h"

namespace qm::win32 {

std::intptr_t Win32Shell::Execute(WindowHandle owner, const std::string& verb, const std::string& file,
                                  const std::string& parameters, const std::string& directory, int showCommand) {
  HINSTANCE result = ::ShellExecuteA(reinterpret_cast<HWND>(owner), verb.c_str(), file.c_str(), parameters.c_str(),
                                     directory.c_str(), showCommand);
  return reinterpret_cast<std::intptr_t>(result);
}

bool Win32Shell::SetScreenSaveActive(bool active) {
  return ::SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, active ? 1 : 0, nullptr, 0) != 0;
}

}  // namespace qm::win32
