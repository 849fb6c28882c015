// The Win32 backend: real windows with the standard and common controls,
// kept in step with the model both ways, and the message loops.
#pragma once

#include "ui/toolkit/backend.h"

#include <map>
#include <memory>
#include <vector>

namespace qm::ui {

class MenuItem;
class Timer;

namespace win32 {

struct FontCache;

class Win32Backend : public Backend {
public:
    Win32Backend();
    ~Win32Backend() override;

    void attach(Form& form) override;
    void changed(Component& component, Change what, int index) override;
    Size frameExtent(const Form& form) const override;
    Size screenSize() const override;
    void showForm(Form& form, bool activate) override;
    void hideForm(Form& form) override;
    ModalResult showModal(Form& form) override;
    void runLoop() override;
    void quit() override;
    ModalResult messageBox(const std::string& text, const std::string& caption, MessageButtons buttons,
                           MessageIcon icon) override;
    std::optional<std::string> executeFileDialog(FileDialog& dialog) override;
    void popup(PopupMenu& menu, Control* at, int x, int y) override;
    int itemAtPoint(const ListBox& list, int x, int y) const override;
    int topIndex(const ListBox& list) const override;
    void setTopIndex(ListBox& list, int index) override;
    void paintNow(Control& control) override;

    // The native window of a form or control (an HWND), for the platform
    // code that needs one (the tray icon's owner) and for tests that drive
    // the real controls; nullptr before the form is attached.
    static void* handleOf(const Component& component);

    // For the window procedures.
    void report(std::exception_ptr error) { reportError(error); }
    FontCache& fonts() { return *fonts_; }
    unsigned registerMenuItem(MenuItem& item);
    MenuItem* menuItem(unsigned id) const;
    void forgetMenuItem(unsigned id) { menuItems_.erase(id); }
    unsigned registerTimer(Timer& timer);
    Timer* timer(unsigned id) const;
    void forgetTimer(unsigned id) { timers_.erase(id); }

private:
    std::unique_ptr<FontCache> fonts_;
    std::map<unsigned, MenuItem*> menuItems_;
    std::map<unsigned, Timer*> timers_;
    // The modal shows running, innermost last.
    std::vector<Form*> modals_;
    unsigned nextMenuId_ = 40000;
    unsigned nextTimerId_ = 1;
};

}  // namespace win32
}  // namespace qm::ui
