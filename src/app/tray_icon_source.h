#pragma once

#include "platform/handles.h"
#include "ui/toolkit/types.h"

namespace qm {

// Turns the pictures of the Options window's icon images into icon handles
// the shell can show. The handles stay valid while the source lives.
class TrayIconSource {
 public:
  virtual ~TrayIconSource() = default;
  virtual IconHandle HandleFor(const ui::Picture& picture) = 0;
};

}  // namespace qm
