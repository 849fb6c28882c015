#include "ui/options/option_form.h"

namespace qm {

namespace {

// Start-with-Windows entries are kept in lower case, so names that differ
// only in letter case name the same entry.
std::string LowerCaseAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

}  // namespace

std::string FileNamePart(const std::string& path) {
  const std::size_t cut = path.find_last_of("\\/:");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string FolderPart(const std::string& path) {
  const std::size_t cut = path.find_last_of("\\/:");
  return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

bool TOptionForm1::LoadConfigFile(const std::string& fileName) {
  if (!config_->LoadFromFile(fileName)) return false;
  ConfigToWindow();
  ConfigDirty = false;
  return true;
}

bool TOptionForm1::SaveConfigFile(const std::string& fileName) {
  WindowToConfig();
  if (!config_->SaveToFile(fileName)) return false;
  ConfigDirty = false;
  if (CheckBox1.checked()) {
    if (hooks.AddRunEntry) hooks.AddRunEntry(fileName);
  } else if (hooks.RemoveRunEntry) {
    hooks.RemoveRunEntry(fileName);
  }
  return true;
}

bool TOptionForm1::AskSaveChanges() {
  if (!ConfigDirty) return true;
  if (programs_.Count() == 0 && processes_.Count() == 0) {
    ConfigDirty = false;
    return true;
  }
  PreShow();
  show();
  switch (saveChanges_.showModal()) {
    case ui::ModalResult::Yes:
      SaveConfig();
      return !ConfigDirty;
    case ui::ModalResult::No:
      return true;
    default:
      return false;
  }
}

void TOptionForm1::NewConfig() {
  if (!AskSaveChanges()) return;
  CurrentConfigFile.clear();
  config_->Reset();
  ConfigDirty = false;
  ConfigToWindow();
}

void TOptionForm1::LoadConfig() {
  if (!AskSaveChanges()) return;
  if (!CurrentConfigFile.empty()) OpenDialog1.initialDir = FolderPart(CurrentConfigFile);
  // The dialog prefers the folder of a full path over its starting folder.
  OpenDialog1.fileName = FileNamePart(OpenDialog1.fileName);
  if (!OpenDialog1.execute()) return;
  CurrentConfigFile = OpenDialog1.fileName;
  LoadConfigFile(CurrentConfigFile);
}

void TOptionForm1::SaveConfig() {
  if (CurrentConfigFile.empty()) {
    SaveConfigAs();
    return;
  }
  ConfigDirty = !SaveConfigFile(CurrentConfigFile);
}

void TOptionForm1::SaveConfigAs() {
  SaveDialog1.fileName = FileNamePart(CurrentConfigFile);
  SaveDialog1.initialDir = FolderPart(CurrentConfigFile);
  std::string chosen;
  for (;;) {
    if (!SaveDialog1.execute()) return;
    chosen = SaveDialog1.fileName;
    if (!files_.FileExists(chosen) || overWrite_.showModal() == ui::ModalResult::Ok) break;
  }
  const bool ok = SaveConfigFile(chosen);
  ConfigDirty = !ok;
  if (ok) {
    if (LowerCaseAscii(chosen) != LowerCaseAscii(CurrentConfigFile) && !CurrentConfigFile.empty() &&
        hooks.RemoveRunEntry) {
      hooks.RemoveRunEntry(CurrentConfigFile);
    }
    CurrentConfigFile = chosen;
  }
  UpdateTitle();
}

}  // namespace qm
