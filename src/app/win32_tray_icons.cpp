#include "app/win32_tray_icons.h"

#include <windows.h>

namespace qm::win32 {

namespace {

HICON Load(const ui::Picture& picture) {
  const int cx = GetSystemMetrics(SM_CXSMICON);
  const int cy = GetSystemMetrics(SM_CYSMICON);
  switch (picture.kind) {
    case ui::Picture::Kind::Resource:
      return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(picture.resource), IMAGE_ICON,
                                           cx, cy, LR_DEFAULTCOLOR));
    case ui::Picture::Kind::File:
    case ui::Picture::Kind::IconFile:
      return static_cast<HICON>(LoadImageA(nullptr, picture.file.c_str(), IMAGE_ICON, cx, cy, LR_LOADFROMFILE));
    default:
      return nullptr;
  }
}

}  // namespace

Win32TrayIcons::~Win32TrayIcons() {
  for (const auto& [key, handle] : loaded_) {
    if (handle != 0) DestroyIcon(reinterpret_cast<HICON>(handle));
  }
}

IconHandle Win32TrayIcons::HandleFor(const ui::Picture& picture) {
  const std::string key = picture.kind == ui::Picture::Kind::Resource ? "#" + std::to_string(picture.resource)
                          : !picture.file.empty()                     ? "file:" + picture.file
                                                                      : std::string();
  if (key.empty()) return 0;
  auto found = loaded_.find(key);
  if (found != loaded_.end()) return found->second;
  const IconHandle handle = reinterpret_cast<IconHandle>(Load(picture));
  // A file that is not an icon is tried again next time: it may be replaced.
  if (handle != 0) loaded_[key] = handle;
  return handle;
}

}  // namespace qm::win32
