// Every window of the program as a user sees it, dumped as text: each form
// the instance holds after a plain start, and for the windows whose content
// depends on what happened (the About box's pages, the Attention texts, the
// splash, the AutoAdd report, the missing start-up file, the preview of a
// toggle) one dump for each such state, taken while the program shows it.
#pragma once

#include <string>
#include <vector>

namespace qm::test {

struct WindowDump {
  // The golden's file name without ".txt": the form's name, then ".state"
  // where the window has several.
  std::string golden;
  std::string text;
};

std::vector<WindowDump> EveryWindow();

}  // namespace qm::test
