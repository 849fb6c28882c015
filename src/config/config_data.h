#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "config/entry_list.h"
#include "config/ini_file.h"
#include "config/text_file_store.h"

namespace qm {

inline constexpr std::string_view kDefaultOnTooltip = "Quellmarch: Double-Click to Terminate Processes";
inline constexpr std::string_view kDefaultOffTooltip = "Quellmarch: Double-Click to Run Programs";
// A list read from a file holds at most this many entries.
inline constexpr std::size_t kMaxEntriesRead = 9999;
// The range of Message_Delay (milliseconds) the "Message Duration" slider offers.
inline constexpr std::int32_t kMinMessageDelay = 1;
inline constexpr std::int32_t kMaxMessageDelay = 700;

// The configuration document of a running instance: the settings of one .qmf
// file and the two entry lists, which it references but does not own.
class TConfigData {
 public:
  // Reads and writes files through the standard library.
  TConfigData(EntryList& runList, EntryList& terminateList);
  TConfigData(EntryList& runList, EntryList& terminateList, TextFileStore& store);
  TConfigData(const TConfigData&) = delete;
  TConfigData& operator=(const TConfigData&) = delete;
  ~TConfigData();

  // Default values of a new configuration; a load uses other defaults for
  // some missing keys.
  void Reset();
  // A missing or unreadable file reads as one without keys. Always true.
  bool LoadFromFile(const std::string& path);
  // Updates the file: sections and keys of others stay. Throws AppError
  // "Unable to write to <path>" when the file cannot be replaced, which leaves
  // the previous file as it was. Returns true otherwise.
  bool SaveToFile(const std::string& path);

  // False when a value too short to be an entry ended the list early.
  static bool ReadEntryList(const IniFile& ini, EntryList& list, std::string_view section);
  static bool WriteEntryList(IniFile& ini, const EntryList& list, std::string_view section);

  bool Start_with_windows = true;
  bool Quit_after_activate = false;
  bool Activate_onLaunch = false;
  bool Hide_errors = false;
  std::int32_t Message_Delay = 150;
  bool Hide_Splashscreen = false;
  std::int32_t Start_Location = 0;
  std::int32_t DoubleClick_Action = 0;
  std::int32_t Start_State = 0;
  bool BrowseKill_DefaultChecks = false;
  std::string Alternate_On_Icon;
  std::string Alternate_Off_Icon;
  std::string On_Tooltip{kDefaultOnTooltip};
  std::string Off_Tooltip{kDefaultOffTooltip};
  EntryList& RunList;
  EntryList& TerminateList;

 private:
  std::unique_ptr<TextFileStore> ownStore_;
  TextFileStore* store_;
};

}  // namespace qm
