#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>

#include "platform/files.h"

namespace qm::sim {

// In-memory files under Windows path rules: "C:\Dir\A.qmf", "c:/dir/a.QMF"
// and "C:\\dir\\a.qmf" name one file.
class SimFiles final : public Files {
 public:
  bool FileExists(const std::string& path) override;
  std::optional<std::string> ReadWholeFile(const std::string& path) override;
  bool WriteNewFile(const std::string& path, const std::string& contents) override;
  RenameResult RenameReplacing(const std::string& from, const std::string& to) override;
  bool RenameFile(const std::string& from, const std::string& to) override;
  bool RemoveFile(const std::string& path) override;

  // --- for tests ---
  void Put(const std::string& path, const std::string& contents) { files_[Normalize(path)] = contents; }
  void Remove(const std::string& path) { files_.erase(Normalize(path)); }
  // Reads of this file fail though it exists (a locked file); it cannot be
  // written, nor replaced by a rename.
  void FailReads(const std::string& path) { unreadable_.insert(Normalize(path)); }
  void FailWrites(const std::string& path) { unwritable_.insert(Normalize(path)); }
  // The n-th rename from now fails (0: none does), as when another program
  // holds the file open for a moment.
  void FailRename(int n) { renamesUntilFailure_ = n; }
  // Windows 95/98: no rename over an existing file.
  bool canRenameOver = true;
  std::size_t Count() const { return files_.size(); }

  static std::string Normalize(const std::string& path);

 private:
  std::map<std::string, std::string> files_;
  std::set<std::string> unreadable_;
  std::set<std::string> unwritable_;
  int renamesUntilFailure_ = 0;

  bool RenameFails();
};

}  // namespace qm::sim
