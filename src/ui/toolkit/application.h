// The application: its forms, its message loop, its message boxes and the
// top-level error report.
#pragma once

#include "ui/toolkit/backend.h"

#include <exception>
#include <string>
#include <vector>

namespace qm::ui {

class Form;

class Application {
public:
    explicit Application(Backend& backend);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    Backend& backend() const { return backend_; }

    const std::string& title() const { return title_; }
    void setTitle(std::string title) { title_ = std::move(title); }

    // Attaches a form to the backend. Closing the main form ends the
    // program; it is the first form added unless setMainForm names one.
    void add(Form& form);
    void setMainForm(Form& form);
    Form* mainForm() const { return backend_.mainForm(); }

    // Runs the message loop until terminate() or the main form closes.
    void run();
    void terminate();

    // A plain message box; the caption defaults to the application title.
    ModalResult messageBox(const std::string& text, const std::string& caption = {},
                           MessageButtons buttons = MessageButtons::Ok, MessageIcon icon = MessageIcon::None);

    // Shows an uncaught error's message in a message box; the loop goes on.
    void reportError(std::exception_ptr error);

    // Runs a command; an error ends the command and reaches the report.
    template <class F>
    void guard(F&& command)
    {
        try {
            command();
        } catch (...) {
            reportError(std::current_exception());
        }
    }

private:
    Backend& backend_;
    std::string title_;
};

}  // namespace qm::ui
