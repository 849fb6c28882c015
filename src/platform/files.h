#pragma once

#include <optional>
#include <string>

namespace qm {

// What renaming over an existing file gave (MoveFileExA with
// MOVEFILE_REPLACE_EXISTING).
enum class RenameResult { Done, Failed, Unsupported /* Windows 95/98 lack it */ };

// Whole-file access with Windows path rules (letter case ignored, `\` and `/`
// both separators, drive letters). Each call mirrors one Windows function.
class Files {
 public:
  virtual ~Files() = default;

  virtual bool FileExists(const std::string& path) = 0;
  virtual std::optional<std::string> ReadWholeFile(const std::string& path) = 0;
  // Creates or empties the file and writes `contents` to disk; false on any
  // failure, which may leave a part of it.
  virtual bool WriteNewFile(const std::string& path, const std::string& contents) = 0;
  // Renames `from` to `to`, replacing a file of that name.
  virtual RenameResult RenameReplacing(const std::string& from, const std::string& to) = 0;
  // Renames `from` to `to`; fails when `to` exists.
  virtual bool RenameFile(const std::string& from, const std::string& to) = 0;
  virtual bool RemoveFile(const std::string& path) = 0;
};

// Writes `contents` over `path` so that a reader sees either the old file or
// the whole new one, never a part; false when it could not be written.
bool ReplaceWholeFile(Files& files, const std::string& path, const std::string& contents);

}  // namespace qm
