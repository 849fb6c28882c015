#include "platform/files.h"

namespace qm {

bool ReplaceWholeFile(Files& files, const std::string& path, const std::string& contents) {
  // Written beside the target first, so a failure half-way leaves the old
  // file whole.
  const std::string temporary = path + ".new~";
  if (!files.WriteNewFile(temporary, contents)) {
    files.RemoveFile(temporary);
    return false;
  }
  const RenameResult renamed = files.RenameReplacing(temporary, path);
  if (renamed == RenameResult::Done) return true;
  // Windows 95/98 have no MoveFileEx: delete, then rename.
  if (renamed == RenameResult::Unsupported) {
    files.RemoveFile(path);
    if (files.RenameFile(temporary, path)) return true;
  }
  files.RemoveFile(temporary);
  return false;
}

}  // namespace qm
