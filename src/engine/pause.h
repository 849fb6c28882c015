#pragma once

#include "config/config_data.h"
#include "platform/clock.h"

namespace qm {

// `Pause(n)`: a blocking sleep of n x Message_Delay milliseconds, so the user
// can read the status line. The delay is read at the moment of use; a
// negative one (a hand-edited file) pauses not at all.
void Pause(Clock& clock, const TConfigData& config, int units);

}  // namespace qm
