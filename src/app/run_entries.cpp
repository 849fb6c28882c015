#include "app/run_entries.h"

#include "app/global_settings.h"
#include "platform/registry_values.h"

namespace qm {

std::string LowerCase(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

RunEntries::RunEntries(Registry& registry, ui::Application& app, std::string exeName, std::function<bool()> askNote)
    : registry_(registry), app_(app), exeName_(std::move(exeName)), askNote_(std::move(askNote)) {}

void RunEntries::ReportError() { app_.messageBox("Error accessing registry."); }

std::string RunEntries::BuildRunCommand(const std::string& fileName) const {
  return "\"" + exeName_ + "\" " + fileName;
}

std::optional<std::string> RunEntries::FindRunEntry(const std::string& fileName) {
  const std::string name = LowerCase(fileName);
  const std::string expected = name.empty() ? std::string() : BuildRunCommand(name);
  for (int i = 1; i <= kSlots; ++i) {
    const std::string valueName = "Quellmarch" + std::to_string(i);
    if (!registry_.KeyExists(kRunKey)) {
      if (!name.empty()) continue;
      if (!registry_.CreateKey(kRunKey)) {
        ReportError();
        return std::nullopt;
      }
    }
    std::string data;
    if (ReadRegString(registry_, kRunKey, valueName, data) != RegStatus::Ok) {
      ReportError();
      return std::nullopt;
    }
    if (data == expected) return valueName;
  }
  return std::nullopt;
}

bool RunEntries::AddRunEntry(const std::string& fileName) {
  const std::string name = LowerCase(fileName);
  if (FindRunEntry(name)) return true;
  const std::optional<std::string> slot = FindRunEntry("");
  if (!slot) return true;
  if (askNote_ && !askNote_()) return false;
  if (WriteRegString(registry_, kRunKey, *slot, BuildRunCommand(name)) != RegStatus::Ok) ReportError();
  return true;
}

bool RunEntries::RemoveRunEntry(const std::string& fileName) {
  const std::optional<std::string> slot = FindRunEntry(LowerCase(fileName));
  if (slot && registry_.DeleteValue(kRunKey, *slot) != RegStatus::Ok) ReportError();
  return true;
}

}  // namespace qm
