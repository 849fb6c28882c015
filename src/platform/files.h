#pragma once

#include <optional>
#include <string>

namespace qm {

// Whole-file access with Windows path rules (letter case ignored, `\` and `/`
// both separators, drive letters).
class Files {
 public:
  virtual ~Files() = default;

  virtual bool FileExists(const std::string& path) = 0;
  virtual std::optional<std::string> ReadWholeFile(const std::string& path) = 0;
  // Writes `contents` so that a reader sees either the old file or the whole
  // new one, never a part; false when it could not be written.
  virtual bool ReplaceWholeFile(const std::string& path, const std::string& contents) = 0;
};

}  // namespace qm
