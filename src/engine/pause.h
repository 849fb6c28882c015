#pragma once

#include "config/config_data.h"
#include "platform/clock.h"

namespace qm {

// `Pause(n)`: a blocking sleep of n x Message_Delay milliseconds, so the user
// can read the status line. The delay is read at the moment of use and held
// to what the slider offers: a hand-edited huge value pauses 700 ms a unit,
// not weeks, and a negative one pauses not at all. Every pause of the engine
// goes through here.
void Pause(Clock& clock, const TConfigData& config, int units);

}  // namespace qm
