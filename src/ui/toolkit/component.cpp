#include "ui/toolkit/component.h"

#include "ui/toolkit/backend.h"
#include "ui/toolkit/form.h"

#include <utility>

namespace qm::ui {

Component::Component(Form* form, std::string name) : form_(form), name_(std::move(name))
{
    if (form_ != nullptr) {
        form_->adopt(*this);
    }
}

Component::~Component()
{
    peer_.reset();
    if (form_ != nullptr) {
        form_->release(*this);
    }
}

Form& Component::form() const
{
    // Only a Form is constructed without an owning form.
    return form_ != nullptr ? *form_ : *static_cast<Form*>(const_cast<Component*>(this));
}

void Component::changed(Change what, int index)
{
    if (Backend* backend = form().backend()) {
        backend->changed(*this, what, index);
    }
}

}  // namespace qm::ui
