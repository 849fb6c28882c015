#pragma once

#include <cstdint>
#include <string>

#include "platform/handles.h"

namespace qm {

inline constexpr std::uint32_t kHelpDisplayTopic = 0;  // HH_DISPLAY_TOPIC, data 0
inline constexpr std::uint32_t kHelpContext = 15;      // HH_HELP_CONTEXT, data = context number

class Help {
 public:
  virtual ~Help() = default;

  // The compiled-help entry point; false when HHCTRL.OCX or the entry point
  // is missing. What the viewer returns is not reported.
  virtual bool HtmlHelp(WindowHandle owner, const std::string& file, std::uint32_t command,
                        std::uintptr_t data) = 0;
};

}  // namespace qm
