#pragma once

#include "platform/top_windows.h"

namespace qm::win32 {

class Win32Windows final : public TopWindows {
 public:
  void EnumWindows(const std::function<bool(WindowHandle)>& visit) override;
  ProcessId GetWindowThreadProcessId(WindowHandle window) override;
  std::string GetWindowTextA(WindowHandle window, std::size_t limit) override;
  bool PostCloseMessage(WindowHandle window) override;
};

}  // namespace qm::win32
