#pragma once

#include "platform/clock.h"
#include "platform/sim/sim_world.h"

namespace qm::sim {

// The virtual clock: a sleep moves time on at once, and processes whose exit
// falls inside it exit on the way.
class SimClock final : public Clock {
 public:
  explicit SimClock(SimWorld& world) : world_(world) {}

  void Sleep(std::uint32_t milliseconds) override {
    world_.AdvanceBy(milliseconds);
    slept_ += milliseconds;
  }
  std::uint64_t NowMs() override { return world_.Now(); }

  // Total of all sleeps, so tests can check pauses without timing them.
  std::uint64_t TotalSlept() const { return slept_; }

 private:
  SimWorld& world_;
  std::uint64_t slept_ = 0;
};

}  // namespace qm::sim
