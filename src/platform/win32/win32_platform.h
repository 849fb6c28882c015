#pragma once

#include "platform/platform.h"
#include "platform/win32/win32_processes.h"
#include "platform/win32/win32_services.h"
#include "platform/win32/win32_windows.h"

namespace qm::win32 {

// The real services, owned in one place by the entry point.
class Win32Platform {
 public:
  Win32Platform() = default;
  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;

  Platform platform() { return Platform{processes, windows, shell, registry, files, tray, help, clock}; }

  Win32Processes processes;
  Win32Windows windows;
  Win32Shell shell;
  Win32Registry registry;
  Win32Files files;
  Win32Tray tray;
  Win32Help help;
  Win32Clock clock;
};

}  // namespace qm::win32
