// Opens the compiled help file beside the program, at its default topic, at
// one of the numbered topics the windows' help buttons ask for, or at a page
// named by its file.
#pragma once

#include <functional>
#include <string>

#include "platform/handles.h"
#include "platform/help.h"
#include "ui/toolkit/form.h"

namespace qm {

inline constexpr char kHelpFileName[] = "QuellmarchHelp.chm";

// The numbered topics of the help file, one per window that offers help.
enum class HelpContext : int {
  ProcessPicker = 1,
  ProgramEntry = 2,
  ProcessEntry = 3,
  GettingStarted = 4,
  BrowseKill = 5,
  Preview = 6,
};

class HelpRequests {
 public:
  // `exeDir` ends with its backslash; `handleOf` gives a window's native handle.
  HelpRequests(Help& help, std::function<std::string()> exeDir,
               std::function<WindowHandle(const ui::Form&)> handleOf)
      : help_(help), exeDir_(std::move(exeDir)), handleOf_(std::move(handleOf)) {}

  void DefaultTopic(const ui::Form& owner);
  void Context(const ui::Form& owner, HelpContext context);
  // A page of the file ("updates.htm"), as the viewer finds it: the file,
  // "::/" and the page.
  void Page(const ui::Form& owner, const std::string& page);

 private:
  // What the viewer makes of a missing file is its own report; the program
  // does not check.
  void Request(const ui::Form& owner, const std::string& page, std::uint32_t command, std::uintptr_t data);

  Help& help_;
  std::function<std::string()> exeDir_;
  std::function<WindowHandle(const ui::Form&)> handleOf_;
};

}  // namespace qm
