#include "ui/toolkit/backend.h"

#include "ui/toolkit/form.h"

namespace qm::ui {

bool Backend::requestEnd()
{
    if (endRequest_) {
        return endRequest_();
    }
    if (mainForm_ != nullptr) {
        mainForm_->close();
    }
    return true;
}

}  // namespace qm::ui
