// The common open, save and picture dialogs.
#pragma once

#include "ui/toolkit/component.h"

#include <string>

namespace qm::ui {

enum class FileDialogKind { Open, Save, OpenPicture };

struct FileDialogOptions {
    bool fileMustExist = false;
    bool pathMustExist = false;
    bool overwritePrompt = false;
    bool hideReadOnly = true;
    // Leaves the process's current folder where it was.
    bool noChangeDir = true;
};

class FileDialog : public Component {
public:
    FileDialogKind kind() const { return kind_; }

    std::string title;
    // Pairs of "description|pattern", separated by '|'.
    std::string filter;
    std::string initialDir;
    std::string fileName;
    // Appended, without the dot, when the user types a name without one.
    std::string defaultExt;
    FileDialogOptions options;

    // True when the user chose a file; fileName then holds its path.
    bool execute();

protected:
    FileDialog(Form& form, std::string name, FileDialogKind kind);

private:
    FileDialogKind kind_;
};

class OpenDialog : public FileDialog {
public:
    OpenDialog(Form& form, std::string name) : FileDialog(form, std::move(name), FileDialogKind::Open) {}
};

class SaveDialog : public FileDialog {
public:
    SaveDialog(Form& form, std::string name) : FileDialog(form, std::move(name), FileDialogKind::Save) {}
};

class OpenPictureDialog : public FileDialog {
public:
    OpenPictureDialog(Form& form, std::string name) : FileDialog(form, std::move(name), FileDialogKind::OpenPicture) {}
};

}  // namespace qm::ui
