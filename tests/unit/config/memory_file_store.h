#pragma once

#include <map>
#include <optional>
#include <string>

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

}  // namespace qm::test
