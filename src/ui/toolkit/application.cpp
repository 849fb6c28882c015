#include "ui/toolkit/application.h"

#include "ui/toolkit/form.h"

#include <stdexcept>

namespace qm::ui {

Application::Application(Backend& backend) : backend_(backend)
{
    backend_.setErrorReport([this](std::exception_ptr error) { reportError(error); });
}

void Application::add(Form& form)
{
    form.attach(backend_);
    if (backend_.mainForm() == nullptr) {
        backend_.setMainForm(&form);
    }
}

void Application::setMainForm(Form& form) { backend_.setMainForm(&form); }

void Application::run() { backend_.runLoop(); }

void Application::terminate() { backend_.quit(); }

ModalResult Application::messageBox(const std::string& text, const std::string& caption, MessageButtons buttons,
                                    MessageIcon icon)
{
    return backend_.messageBox(text, caption.empty() ? title_ : caption, buttons, icon);
}

void Application::reportError(std::exception_ptr error)
{
    std::string message = "Unknown error.";
    try {
        if (error) {
            std::rethrow_exception(error);
        }
    } catch (const std::exception& e) {
        message = e.what();
    } catch (...) {
        // A foreign exception type still gets a box rather than ending the program.
    }
    messageBox(message, title_, MessageButtons::Ok, MessageIcon::Error);
}

}  // namespace qm::ui
