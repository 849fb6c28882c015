#pragma once

#include <cstdint>
#include <string>

#include "platform/handles.h"

namespace qm {

// ShowWindow commands the launcher passes on.
inline constexpr int kShowNormal = 1;
inline constexpr int kShowMaximized = 3;
inline constexpr int kShowMinimizedNoActive = 6;

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
