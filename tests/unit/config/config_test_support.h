#pragma once

#include <map>
#include <optional>
#include <sstream>
#include <string>

#include "config/config_data.h"
#include "config/text_file_store.h"

namespace qm::test {

// Files kept in a map; writes can be made to fail.
class MemoryFileStore : public TextFileStore {
 public:
  std::optional<std::string> ReadWholeFile(const std::string& path) override {
    const auto found = files.find(path);
    if (found == files.end()) return std::nullopt;
    return found->second;
  }
  bool ReplaceFile(const std::string& path, const std::string& contents) override {
    if (failWrites) return false;
    files[path] = contents;
    return true;
  }

  std::map<std::string, std::string> files;
  bool failWrites = false;
};

// Joins lines with CR LF after each, as the profile functions write them.
inline std::string CrLf(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

// The fourteen settings in declaration order, to compare them in one go.
inline std::string SettingsOf(const TConfigData& c) {
  std::ostringstream out;
  out << c.Start_with_windows << c.Quit_after_activate << c.Activate_onLaunch << c.Hide_errors << " "
      << c.Message_Delay << " " << c.Hide_Splashscreen << " " << c.Start_Location << " " << c.DoubleClick_Action
      << " " << c.Start_State << " " << c.BrowseKill_DefaultChecks << " [" << c.Alternate_On_Icon << "]["
      << c.Alternate_Off_Icon << "][" << c.On_Tooltip << "][" << c.Off_Tooltip << "]";
  return out.str();
}
inline const std::string kLoadDefaults = "1000 200 0 0 0 0 0 [][][][]";

}  // namespace qm::test
