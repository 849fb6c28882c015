#include "ui/toolkit/file_dialogs.h"

#include "ui/toolkit/backend.h"
#include "ui/toolkit/form.h"

#include <stdexcept>
#include <utility>

namespace qm::ui {

FileDialog::FileDialog(Form& form, std::string name, FileDialogKind kind)
    : Component(&form, std::move(name)), kind_(kind)
{
}

bool FileDialog::execute()
{
    Backend* backend = form().backend();
    if (backend == nullptr) {
        throw std::logic_error("file dialog " + name() + " used before its form was attached");
    }
    auto chosen = backend->executeFileDialog(*this);
    if (!chosen) {
        return false;
    }
    fileName = std::move(*chosen);
    return true;
}

}  // namespace qm::ui
