// What the portable model asks of a windowing backend. The model owns all
// state; a backend is a view of it that reports user actions back through
// the controls' user...() methods.
#pragma once

#include "ui/toolkit/types.h"

#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qm::ui {

class Component;
class Control;
class FileDialog;
class Form;
class ListBox;
class PopupMenu;

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Information, Warning, Error, Question };

class Backend {
public:
    virtual ~Backend() = default;

    // Creates whatever the backend keeps for the form and its components.
    virtual void attach(Form& form) = 0;
    virtual void changed(Component& component, Change what, int index) = 0;

    // Extra width and height of the frame around the client area for the
    // form's current border style and menu.
    virtual Size frameExtent(const Form& form) const = 0;
    virtual Size screenSize() const = 0;

    virtual void showForm(Form& form, bool activate) = 0;
    virtual void hideForm(Form& form) = 0;
    // Runs until the form has a modal result; a nested loop on a real screen.
    virtual ModalResult showModal(Form& form) = 0;

    virtual void runLoop() = 0;
    virtual void quit() = 0;

    virtual ModalResult messageBox(const std::string& text, const std::string& caption,
                                   MessageButtons buttons, MessageIcon icon) = 0;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> executeFileDialog(FileDialog& dialog) = 0;
    virtual void popup(PopupMenu& menu, Control* at, int x, int y) = 0;
    // The item under a point of the list (client coordinates), or -1; the
    // backend knows how far the list is scrolled.
    virtual int itemAtPoint(const ListBox& list, int x, int y) const = 0;
    // The first row the list shows, and scrolling to show a row first.
    virtual int topIndex(const ListBox& list) const = 0;
    virtual void setTopIndex(ListBox& list, int index) = 0;
    // Paints the control at once, not when the message loop next runs: for
    // windows that change while the thread is busy.
    virtual void paintNow(Control& control) = 0;

    // The form whose closing ends the program; the application names it.
    Form* mainForm() const { return mainForm_; }
    void setMainForm(Form* form) { mainForm_ = form; }
    // Every attached form, in the order attached: a modal show disables the others.
    const std::vector<Form*>& forms() const { return forms_; }
    void addForm(Form& form) { forms_.push_back(&form); }
    void removeForm(const Form& form) { std::erase(forms_, &form); }

    // Where errors that reach a window procedure or the loop are reported.
    void setErrorReport(std::function<void(std::exception_ptr)> report) { errorReport_ = std::move(report); }

    // A request from outside the program to end it: another program closing
    // its windows politely, or the system ending the session. A backend
    // tells it from the user's closing of one window (its title bar's close
    // button, Alt+F4), which only closes that window. The handler runs the
    // program's own shutdown and answers whether the program is ending;
    // without one the main form closes.
    void setEndRequestHandler(std::function<bool()> handler) { endRequest_ = std::move(handler); }
    bool requestEnd();

protected:
    void reportError(std::exception_ptr error)
    {
        if (errorReport_) {
            errorReport_(error);
        }
    }

private:
    std::function<void(std::exception_ptr)> errorReport_;
    std::function<bool()> endRequest_;
    Form* mainForm_ = nullptr;
    std::vector<Form*> forms_;
};

}  // namespace qm::ui
