#include "app/help_requests.h"

namespace qm {

void HelpRequests::DefaultTopic(const ui::Form& owner) { Request(owner, {}, kHelpDisplayTopic, 0); }

void HelpRequests::Context(const ui::Form& owner, HelpContext context) {
  Request(owner, {}, kHelpContext, static_cast<std::uintptr_t>(context));
}

void HelpRequests::Page(const ui::Form& owner, const std::string& page) {
  Request(owner, "::/" + page, kHelpDisplayTopic, 0);
}

void HelpRequests::Request(const ui::Form& owner, const std::string& page, std::uint32_t command,
                           std::uintptr_t data) {
  const WindowHandle window = handleOf_ ? handleOf_(owner) : WindowHandle{0};
  help_.HtmlHelp(window, exeDir_() + kHelpFileName + page, command, data);
}

}  // namespace qm
