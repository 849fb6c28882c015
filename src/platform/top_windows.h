#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "platform/handles.h"

namespace qm {

// The top-level windows of the desktop.
class TopWindows {
 public:
  virtual ~TopWindows() = default;

  // Calls `visit` for each top-level window in the system's order until it
  // returns false.
  virtual void EnumWindows(const std::function<bool(WindowHandle)>& visit) = 0;
  // The owning process, or 0 when the window has gone.
  virtual ProcessId GetWindowThreadProcessId(WindowHandle window) = 0;
  // The title, at most `limit` - 1 characters; empty when there is none.
  virtual std::string GetWindowTextA(WindowHandle window, std::size_t limit) = 0;
  // Posts WM_CLOSE; false when the message could not be posted.
  virtual bool PostCloseMessage(WindowHandle window) = 0;
};

}  // namespace qm
