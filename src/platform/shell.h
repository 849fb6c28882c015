#pragma once

#include <cstdint>
#include <string>

#include "platform/handles.h"

namespace qm {

// The show command of Execute is a ShowWindow value: 1 normal, 3 maximized,
// 6 minimized (config/entry_specs.h names the ones program entries use).

class Shell {
 public:
  virtual ~Shell() = default;

  // ShellExecuteA; its result is above 32 on success. Missing arguments and
  // directory are empty texts.
  virtual std::intptr_t Execute(WindowHandle owner, const std::string& verb, const std::string& file,
                                const std::string& parameters, const std::string& directory, int showCommand) = 0;
  // SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, active, ...).
  virtual bool SetScreenSaveActive(bool active) = 0;
};

}  // namespace qm
