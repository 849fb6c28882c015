#pragma once

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/help.h"
#include "platform/processes.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/top_windows.h"
#include "platform/tray.h"

namespace qm {

// Every operating-system service the program uses, handed to its users
// explicitly. The services outlive every user of this struct.
struct Platform {
  Processes& processes;
  TopWindows& windows;
  Shell& shell;
  Registry& registry;
  Files& files;
  Tray& tray;
  Help& help;
  Clock& clock;
};

}  // namespace qm
