#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/registry.h"
#include "ui/toolkit/application.h"

namespace qm {

// The Start-with-Windows entries: values "Quellmarch1" to "Quellmarch40" of
// the run key, each the command line that starts this program with one
// configuration file. Entries are matched only by their exact text.
class RunEntries {
 public:
  static constexpr int kSlots = 40;

  // `askNote` shows the note before an entry is written; true when the user
  // lets it be written.
  RunEntries(Registry& registry, ui::Application& app, std::string exeName, std::function<bool()> askNote);

  std::string BuildRunCommand(const std::string& fileName) const;
  // The value name of the entry for `fileName`, or, for an empty name, of the
  // first free slot (creating the run key when it is missing).
  std::optional<std::string> FindRunEntry(const std::string& fileName);
  // False only when the user refused the note.
  bool AddRunEntry(const std::string& fileName);
  bool RemoveRunEntry(const std::string& fileName);

 private:
  void ReportError();

  Registry& registry_;
  ui::Application& app_;
  std::string exeName_;
  std::function<bool()> askNote_;
};

// ASCII letters only, as the stored entries are compared byte for byte.
std::string LowerCase(std::string text);

}  // namespace qm
