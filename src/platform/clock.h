#pragma once

#include <cstdint>

namespace qm {

class Clock {
 public:
  virtual ~Clock() = default;

  virtual void Sleep(std::uint32_t milliseconds) = 0;
  // Milliseconds since an arbitrary start; never goes back.
  virtual std::uint64_t NowMs() = 0;
};

}  // namespace qm
