#pragma once

#include <optional>
#include <string>

namespace qm {

// Where configuration files are read and written. The document only ever
// needs whole files; the application plugs in the machine's real files.
class TextFileStore {
 public:
  virtual ~TextFileStore() = default;

  // The bytes of the file; nothing when it is missing or cannot be read.
  virtual std::optional<std::string> ReadWholeFile(const std::string& path) = 0;
  // Replaces the file so that a reader sees either the old file or the whole
  // new one, never a part; false when it could not be written.
  virtual bool ReplaceFile(const std::string& path, const std::string& contents) = 0;
};

}  // namespace qm
