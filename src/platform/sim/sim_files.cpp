#include "platform/sim/sim_files.h"

#include "platform/sim/sim_world.h"

namespace qm::sim {

std::string SimFiles::Normalize(const std::string& path) {
  std::string out;
  for (char c : path) {
    if (c == '/') c = '\\';
    // Doubled separators name the same folder, except a leading "\\" of a
    // network path.
    if (c == '\\' && !out.empty() && out.back() == '\\' && out.size() > 1) continue;
    out.push_back(c);
  }
  return UpperAscii(out);
}

bool SimFiles::FileExists(const std::string& path) { return files_.count(Normalize(path)) != 0; }

std::optional<std::string> SimFiles::ReadWholeFile(const std::string& path) {
  const std::string key = Normalize(path);
  auto it = files_.find(key);
  if (it == files_.end() || unreadable_.count(key) != 0) return std::nullopt;
  return it->second;
}

bool SimFiles::WriteNewFile(const std::string& path, const std::string& contents) {
  const std::string key = Normalize(path);
  if (unwritable_.count(key) != 0) return false;
  files_[key] = contents;
  return true;
}

bool SimFiles::RenameFails() { return renamesUntilFailure_ > 0 && --renamesUntilFailure_ == 0; }

RenameResult SimFiles::RenameReplacing(const std::string& from, const std::string& to) {
  if (!canRenameOver) return RenameResult::Unsupported;
  const std::string source = Normalize(from);
  const std::string target = Normalize(to);
  if (RenameFails() || files_.count(source) == 0 || unwritable_.count(target) != 0) return RenameResult::Failed;
  files_[target] = files_[source];
  if (target != source) files_.erase(source);
  return RenameResult::Done;
}

bool SimFiles::RenameFile(const std::string& from, const std::string& to) {
  const std::string source = Normalize(from);
  const std::string target = Normalize(to);
  if (RenameFails() || files_.count(source) == 0 || files_.count(target) != 0 || unwritable_.count(target) != 0) {
    return false;
  }
  files_[target] = files_[source];
  files_.erase(source);
  return true;
}

bool SimFiles::RemoveFile(const std::string& path) { return files_.erase(Normalize(path)) != 0; }

}  // namespace qm::sim
