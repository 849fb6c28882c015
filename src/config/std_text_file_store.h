#pragma once

#include "config/text_file_store.h"

namespace qm {

// Files through the standard library. A replacement is written to a temporary
// file beside the target and renamed over it, so a failed write leaves the
// old file as it was.
class StdTextFileStore final : public TextFileStore {
 public:
  std::optional<std::string> ReadWholeFile(const std::string& path) override;
  bool ReplaceFile(const std::string& path, const std::string& contents) override;
};

}  // namespace qm
