#include "engine/pause.h"

#include <algorithm>
#include <cstdint>

namespace qm {

void Pause(Clock& clock, const TConfigData& config, int units) {
  const std::int64_t ms = static_cast<std::int64_t>(units) * std::min(config.Message_Delay, kMaxMessageDelay);
  if (ms <= 0) return;
  // 0xFFFFFFFF would be an endless sleep on Windows.
  clock.Sleep(static_cast<std::uint32_t>(std::min<std::int64_t>(ms, 0xFFFFFFFE)));
}

}  // namespace qm
