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
  switch (files.RenameReplacing(temporary, path)) {
    case RenameResult::Done:
      return true;
    case RenameResult::Failed:
      files.RemoveFile(temporary);  // the old file is untouched
      return false;
    case RenameResult::Unsupported:
      break;
  }
  // Windows 95/98 cannot rename over a file. The old one steps aside rather
  // than being deleted, and comes back when the new one cannot take its
  // place: no step may leave the name without a readable file.
  if (!files.FileExists(path)) {
    if (files.RenameFile(temporary, path)) return true;
    files.RemoveFile(temporary);
    return false;
  }
  const std::string previous = path + ".old~";
  files.RemoveFile(previous);  // left by an earlier save; the file itself is whole
  if (!files.RenameFile(path, previous)) {
    files.RemoveFile(temporary);
    return false;
  }
  if (files.RenameFile(temporary, path)) {
    files.RemoveFile(previous);
    return true;
  }
  // Should the old file not come back either, both copies stay where they are.
  if (files.RenameFile(previous, path)) files.RemoveFile(temporary);
  return false;
}

}  // namespace qm
