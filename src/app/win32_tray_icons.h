#pragma once

#include <map>
#include <string>

#include "app/tray_icon_source.h"

namespace qm::win32 {

// Icon handles for the tray, loaded once per picture and freed at the end.
class Win32TrayIcons final : public TrayIconSource {
 public:
  Win32TrayIcons() = default;
  Win32TrayIcons(const Win32TrayIcons&) = delete;
  Win32TrayIcons& operator=(const Win32TrayIcons&) = delete;
  ~Win32TrayIcons() override;

  IconHandle HandleFor(const ui::Picture& picture) override;

 private:
  std::map<std::string, IconHandle> loaded_;
};

}  // namespace qm::win32
