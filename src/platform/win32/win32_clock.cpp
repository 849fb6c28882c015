#include <windows.h>

#include "platform/win32/win32_services.h"

namespace qm::win32 {

void Win32Clock::Sleep(std::uint32_t milliseconds) { ::Sleep(milliseconds); }

std::uint64_t Win32Clock::NowMs() {
  const std::uint32_t now = ::GetTickCount();
  if (now < last_) high_ += std::uint64_t{1} << 32;
  last_ = now;
  return high_ + now;
}

}  // namespace qm::win32
