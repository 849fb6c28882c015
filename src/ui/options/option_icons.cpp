#include "ui/options/option_form.h"

#include "config/app_error.h"
#include "ui/options/icon_file.h"

#include <utility>

namespace qm {

void TOptionForm1::SetDefaultIcons(const ui::Image& on, const ui::Image& off) {
  defaultOn_ = &on;
  defaultOff_ = &off;
  if (IconOn.picture().empty()) IconOn.setPicture(on.picture());
  if (IconOff.picture().empty()) IconOff.setPicture(off.picture());
}

void TOptionForm1::RefreshTray() {
  if (hooks.RefreshTrayIcon) hooks.RefreshTrayIcon();
}

std::optional<ui::Picture> TOptionForm1::LoadIconFile(const std::string& path) {
  const std::optional<std::string> bytes = files_.ReadWholeFile(path);
  if (!bytes || !IsIconFile(*bytes)) return std::nullopt;
  return ui::Picture::fromIconFile(path);
}

// A configured icon file that has gone, or was damaged, since the file was
// saved must not keep the rest of the configuration from loading; its path
// stays in the document in case the file comes back.
ui::Picture TOptionForm1::IconPicture(const std::string& path, bool on) {
  if (!path.empty()) {
    if (std::optional<ui::Picture> picture = LoadIconFile(path)) return *picture;
  }
  const ui::Image* builtIn = on ? defaultOn_ : defaultOff_;
  return builtIn != nullptr ? builtIn->picture() : ui::Picture{};
}

void TOptionForm1::TooltipChanges() {
  RefreshTray();
  SetDirty();
}

void TOptionForm1::ChangeIcon(bool on) {
  if (!OpenPictureDialog1.execute()) return;
  const std::string path = OpenPictureDialog1.fileName;
  // Checked before anything changes, so a file that cannot be shown never
  // reaches the document, the tray or the changed flag.
  std::optional<ui::Picture> picture = LoadIconFile(path);
  if (!picture) throw AppError("Unable to load icon from " + path);
  (on ? IconOn : IconOff).setPicture(std::move(*picture));
  (on ? config_->Alternate_On_Icon : config_->Alternate_Off_Icon) = path;
  RefreshTray();
  SetDirty();
}

void TOptionForm1::ResetIcons() {
  config_->Alternate_On_Icon.clear();
  config_->Alternate_Off_Icon.clear();
  IconOn.setPicture(IconPicture({}, true));
  IconOff.setPicture(IconPicture({}, false));
  RefreshTray();
  SetDirty();
}

}  // namespace qm
