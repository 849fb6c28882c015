#include "app/global_settings.h"

#include <cstdint>

#include "platform/registry_values.h"

namespace qm {

namespace {

constexpr char kRegistryError[] = "Error accessing registry.";

// A value is read only when present (asked once: each question is a trip to
// the registry); one of another type is an error.
bool ReadPresentInteger(Registry& registry, const char* name, std::uint32_t& out) {
  RegValue value;
  if (registry.QueryValue(kSettingsKey, name, value) != RegStatus::Ok) return true;
  if (value.type != RegType::Integer) return false;
  out = value.number;
  return true;
}

bool ReadSize(Registry& registry, const char* name, int& out) {
  std::uint32_t number = static_cast<std::uint32_t>(out);
  if (!ReadPresentInteger(registry, name, number)) return false;
  out = static_cast<int>(number);
  return true;
}

bool ReadHint(Registry& registry, const char* name, bool& out) {
  std::uint32_t number = out ? 1u : 0u;
  if (!ReadPresentInteger(registry, name, number)) return false;
  out = number != 0;
  return true;
}

bool ReadAll(Registry& registry, GlobalSettings& s) {
  if (ReadRegString(registry, kSettingsKey, "LastFile", s.LastFile) != RegStatus::Ok) return false;
  return ReadHint(registry, "ProgramHint", s.ProgramHint) && ReadHint(registry, "ProcessHint", s.ProcessHint) &&
         ReadSize(registry, "OptionWindow_Width", s.OptionWindow.width) &&
         ReadSize(registry, "OptionWindow_Height", s.OptionWindow.height) &&
         ReadSize(registry, "ProcWindow_Width", s.ProcWindow.width) &&
         ReadSize(registry, "ProcWindow_Height", s.ProcWindow.height) &&
         ReadSize(registry, "BrowsekillWindow_Width", s.BrowsekillWindow.width) &&
         ReadSize(registry, "BrowsekillWindow_Height", s.BrowsekillWindow.height) &&
         ReadSize(registry, "PreviewWindow_Width", s.PreviewWindow.width) &&
         ReadSize(registry, "PreviewWindow_Height", s.PreviewWindow.height);
}

// A window that does not exist yet has no size to store; its value stays.
bool WriteSize(Registry& registry, const char* name, int value) {
  if (value <= 0) return true;
  return WriteRegInteger(registry, kSettingsKey, name, static_cast<std::uint32_t>(value)) == RegStatus::Ok;
}

}  // namespace

bool LoadGlobalSettings(Registry& registry, ui::Application& app, GlobalSettings& settings,
                        const std::function<void()>& firstStart) {
  if (registry.KeyExists(kSettingsKey)) {
    settings.FirstRun = false;
    if (!ReadAll(registry, settings)) app.messageBox(kRegistryError);
    return true;
  }
  settings.FirstRun = true;
  if (!registry.CreateKey(kSettingsKey)) {
    app.messageBox(std::string("Error: Failed to create registry key \\") + kSettingsKey + ".");
    return false;
  }
  if (firstStart) firstStart();
  return true;
}

void SaveGlobalSettings(Registry& registry, ui::Application& app, const GlobalSettings& s,
                        const std::string& lastFile) {
  if (!registry.KeyExists(kSettingsKey)) return;
  const bool ok = WriteRegString(registry, kSettingsKey, "LastFile", lastFile) == RegStatus::Ok &&
                  WriteRegBool(registry, kSettingsKey, "ProgramHint", s.ProgramHint) == RegStatus::Ok &&
                  WriteRegBool(registry, kSettingsKey, "ProcessHint", s.ProcessHint) == RegStatus::Ok &&
                  WriteSize(registry, "OptionWindow_Width", s.OptionWindow.width) &&
                  WriteSize(registry, "OptionWindow_Height", s.OptionWindow.height) &&
                  WriteSize(registry, "ProcWindow_Width", s.ProcWindow.width) &&
                  WriteSize(registry, "ProcWindow_Height", s.ProcWindow.height) &&
                  WriteSize(registry, "BrowsekillWindow_Width", s.BrowsekillWindow.width) &&
                  WriteSize(registry, "BrowsekillWindow_Height", s.BrowsekillWindow.height) &&
                  WriteSize(registry, "PreviewWindow_Width", s.PreviewWindow.width) &&
                  WriteSize(registry, "PreviewWindow_Height", s.PreviewWindow.height);
  if (!ok) app.messageBox("Error accessing registry to save last file used.");
}

}  // namespace qm
