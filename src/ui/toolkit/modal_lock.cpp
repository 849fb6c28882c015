#include "ui/toolkit/modal_lock.h"

#include "ui/toolkit/backend.h"
#include "ui/toolkit/form.h"

#include <algorithm>

namespace qm::ui {

ModalLock::ModalLock(Backend& backend, Form& modal) : backend_(backend)
{
    for (Form* form : backend.forms()) {
        const bool wanted = form == &modal;
        if (form->enabled() != wanted) {
            changed_.emplace_back(form, form->enabled());
            form->setEnabled(wanted);
        }
    }
}

void ModalLock::release()
{
    for (const auto& [form, was] : changed_) {
        // A form destroyed meanwhile has left the backend's list.
        if (std::find(backend_.forms().begin(), backend_.forms().end(), form) != backend_.forms().end()) {
            form->setEnabled(was);
        }
    }
    changed_.clear();
}

}  // namespace qm::ui
