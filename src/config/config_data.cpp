#include "config/config_data.h"

#include "config/app_error.h"
#include "config/entry_grammar.h"
#include "config/ini_integer.h"
#include "config/std_text_file_store.h"

namespace qm {

namespace {

constexpr std::string_view kListEnd = "___DONE___";

constexpr std::string_view kQuellmarch = "Quellmarch";
constexpr std::string_view kStartupOptions = "Startup_Options";
constexpr std::string_view kConfiguration = "Configuration";
constexpr std::string_view kIcons = "Icons";
constexpr std::string_view kRunPrograms = "Run_Programs";
constexpr std::string_view kTerminateProcesses = "Terminate_Processes";

std::int32_t ReadInteger(const IniFile& ini, std::string_view section, std::string_view key, std::int32_t fallback) {
  return ParseIniInteger(ini.ReadString(section, key, "")).value_or(fallback);
}

bool ReadBool(const IniFile& ini, std::string_view section, std::string_view key, bool fallback) {
  return ReadInteger(ini, section, key, fallback ? 1 : 0) != 0;
}

void WriteInteger(IniFile& ini, std::string_view section, std::string_view key, std::int32_t value) {
  ini.WriteString(section, key, std::to_string(value));
}

void WriteBool(IniFile& ini, std::string_view section, std::string_view key, bool value) {
  ini.WriteString(section, key, value ? "1" : "0");
}

}  // namespace

TConfigData::TConfigData(EntryList& runList, EntryList& terminateList, TextFileStore& store)
    : RunList(runList), TerminateList(terminateList), store_(&store) {
  Reset();
}

TConfigData::~TConfigData() = default;

void TConfigData::Reset() {
  Start_with_windows = true;
  Quit_after_activate = false;
  Activate_onLaunch = false;
  Hide_errors = false;
  Message_Delay = 150;
  Hide_Splashscreen = false;
  Start_Location = 0;
  DoubleClick_Action = 0;
  Start_State = 0;
  BrowseKill_DefaultChecks = false;
  Alternate_On_Icon.clear();
  Alternate_Off_Icon.clear();
  On_Tooltip = kDefaultOnTooltip;
  Off_Tooltip = kDefaultOffTooltip;
  RunList.Clear();
  TerminateList.Clear();
}

bool TConfigData::LoadFromFile(const std::string& path) {
  const std::optional<std::string> contents = store_->ReadWholeFile(path);
  const IniFile ini = contents ? IniFile::Parse(*contents) : IniFile();

  // Read and dropped: files of every version load alike.
  (void)ini.ReadString(kQuellmarch, "FileVersion", "");
  Start_with_windows = ReadBool(ini, kStartupOptions, "Start_with_windows", true);
  Quit_after_activate = ReadBool(ini, kStartupOptions, "Quit_after_activate", false);
  Activate_onLaunch = ReadBool(ini, kStartupOptions, "Activate_onLaunch", false);
  Hide_Splashscreen = ReadBool(ini, kStartupOptions, "Hide_Splashscreen", false);
  Start_Location = ReadInteger(ini, kStartupOptions, "Start_Location", 0);
  Start_State = ReadInteger(ini, kStartupOptions, "Start_State", 0);
  BrowseKill_DefaultChecks = ReadBool(ini, kConfiguration, "BrowseKill_DefaultChecks", false);
  DoubleClick_Action = ReadInteger(ini, kConfiguration, "DoubleClick_Action", 0);
  Hide_errors = ReadBool(ini, kConfiguration, "Hide_errors", false);
  Message_Delay = ReadInteger(ini, kConfiguration, "Message_Delay", 200);
  Alternate_On_Icon = ini.ReadString(kIcons, "Alternate_On_Icon", "");
  Alternate_Off_Icon = ini.ReadString(kIcons, "Alternate_Off_Icon", "");
  On_Tooltip = ini.ReadString(kIcons, "On_Tooltip", "");
  Off_Tooltip = ini.ReadString(kIcons, "Off_Tooltip", "");
  ReadEntryList(ini, RunList, kRunPrograms);
  ReadEntryList(ini, TerminateList, kTerminateProcesses);
  return true;
}

bool TConfigData::SaveToFile(const std::string& path) {
  // Start from what the file holds, so that what others keep in it survives.
  const std::optional<std::string> contents = store_->ReadWholeFile(path);
  IniFile ini = contents ? IniFile::Parse(*contents) : IniFile();

  ini.WriteString(kQuellmarch, "FileVersion", "1");
  WriteBool(ini, kStartupOptions, "Start_with_windows", Start_with_windows);
  WriteBool(ini, kStartupOptions, "Hide_Splashscreen", Hide_Splashscreen);
  WriteBool(ini, kStartupOptions, "Quit_after_activate", Quit_after_activate);
  WriteBool(ini, kStartupOptions, "Activate_onLaunch", Activate_onLaunch);
  WriteInteger(ini, kStartupOptions, "Start_Location", Start_Location);
  WriteInteger(ini, kStartupOptions, "Start_State", Start_State);
  WriteInteger(ini, kConfiguration, "DoubleClick_Action", DoubleClick_Action);
  WriteBool(ini, kConfiguration, "BrowseKill_DefaultChecks", BrowseKill_DefaultChecks);
  WriteBool(ini, kConfiguration, "Hide_errors", Hide_errors);
  WriteInteger(ini, kConfiguration, "Message_Delay", Message_Delay);
  ini.WriteString(kIcons, "Alternate_On_Icon", Alternate_On_Icon);
  ini.WriteString(kIcons, "Alternate_Off_Icon", Alternate_Off_Icon);
  ini.WriteString(kIcons, "On_Tooltip", On_Tooltip);
  ini.WriteString(kIcons, "Off_Tooltip", Off_Tooltip);
  WriteEntryList(ini, RunList, kRunPrograms);
  WriteEntryList(ini, TerminateList, kTerminateProcesses);

  // One replacement of the whole file: it holds either the old or the new
  // configuration, never a part of the new one.
  if (!store_->ReplaceFile(path, ini.ToText())) throw AppError("Unable to write to " + path);
  return true;
}

bool TConfigData::ReadEntryList(const IniFile& ini, EntryList& list, std::string_view section) {
  list.Clear();
  for (std::size_t i = 0; i < kMaxEntriesRead; ++i) {
    const std::string value = ini.ReadString(section, std::to_string(i), kListEnd);
    if (value == kListEnd) return true;
    if (value.size() < 3) return false;
    std::string stored = value.substr(2);
    // Only a quoted value can hold a stored text of nothing but blanks; that
    // is how an empty stored text is written (see WriteEntryList).
    if (Trim(stored).empty()) stored.clear();
    list.AppendStored(stored, value[0] == '1');
  }
  return true;
}

bool TConfigData::WriteEntryList(IniFile& ini, const EntryList& list, std::string_view section) {
  // Every section of that name goes: a second one left behind would become
  // the first and lend the list its leftover keys on the next load.
  while (ini.HasSection(section)) ini.EraseSection(section);
  for (std::size_t i = 0; i < list.Count(); ++i) {
    const char* flag = list.Checked(i) ? "1" : "0";
    // "1 " alone would read back as "1", too short for an entry, and end
    // the list there; a blank as the stored text is written quoted and reads
    // back as the empty entry.
    const std::string stored = list.StoredText(i);
    const std::string value = flag + std::string(" ") + (Trim(stored).empty() ? std::string(" ") : stored);
    ini.WriteString(section, std::to_string(i), value);
  }
  return true;
}

}  // namespace qm
