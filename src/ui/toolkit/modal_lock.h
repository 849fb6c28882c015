// While a modal window runs, no other window of the program takes input:
// every other form, shown or hidden (one shown meanwhile would take clicks),
// is disabled, and each is put back as it was when the lock goes. The modal
// form itself takes input for the time, even if an outer lock disabled it.
#pragma once

#include <utility>
#include <vector>

namespace qm::ui {

class Backend;
class Form;

class ModalLock {
public:
    ModalLock(Backend& backend, Form& modal);
    ~ModalLock() { release(); }
    ModalLock(const ModalLock&) = delete;
    ModalLock& operator=(const ModalLock&) = delete;

    // Puts every form back; the lock holds nothing afterwards.
    void release();

private:
    Backend& backend_;
    // The forms whose enabled state the lock changed, with the state before.
    std::vector<std::pair<Form*, bool>> changed_;
};

}  // namespace qm::ui
