#pragma once

#include "config/text_file_store.h"
#include "platform/files.h"

namespace qm {

// The document's files through the platform, so configuration paths follow
// the same rules as every other path the program looks at.
class FilesTextStore final : public TextFileStore {
 public:
  explicit FilesTextStore(Files& files) : files_(files) {}
  std::optional<std::string> ReadWholeFile(const std::string& path) override { return files_.ReadWholeFile(path); }
  bool ReplaceFile(const std::string& path, const std::string& contents) override {
    return ReplaceWholeFile(files_, path, contents);
  }

 private:
  Files& files_;
};

}  // namespace qm
