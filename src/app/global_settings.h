#pragma once

#include <functional>
#include <string>

#include "platform/registry.h"
#include "ui/toolkit/application.h"

namespace qm {

// Registry paths under HKEY_LOCAL_MACHINE.
inline constexpr char kSettingsKey[] = "Software\\Quellmarch";
inline constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

struct WindowSize {
  int width = 0;
  int height = 0;
};

// The values that belong to no configuration file, shared by every instance
// on the machine. Sizes start as the windows' designed sizes.
struct GlobalSettings {
  bool FirstRun = false;
  std::string LastFile;
  bool ProgramHint = true;
  bool ProcessHint = true;
  WindowSize OptionWindow;
  WindowSize ProcWindow;
  WindowSize BrowsekillWindow;
  WindowSize PreviewWindow;
};

// Reads the settings, creating the key on the first start, which then shows
// its windows through `firstStart`. A value that cannot be read stops the
// reading with a message; what was read stays. False only when the key could
// not be created: the program must end.
bool LoadGlobalSettings(Registry& registry, ui::Application& app, GlobalSettings& settings,
                        const std::function<void()>& firstStart = {});

// Writes the settings back, with `lastFile` as the last file used. Nothing
// is written when the key is gone.
void SaveGlobalSettings(Registry& registry, ui::Application& app, const GlobalSettings& settings,
                        const std::string& lastFile);

}  // namespace qm
