#pragma once

#include "platform/sim/sim_world.h"
#include "platform/top_windows.h"

namespace qm::sim {

class SimWindows final : public TopWindows {
 public:
  explicit SimWindows(SimWorld& world) : world_(world) {}

  void EnumWindows(const std::function<bool(WindowHandle)>& visit) override;
  ProcessId GetWindowThreadProcessId(WindowHandle window) override;
  std::string GetWindowTextA(WindowHandle window, std::size_t limit) override;
  bool PostCloseMessage(WindowHandle window) override;

 private:
  SimWorld& world_;
};

}  // namespace qm::sim
