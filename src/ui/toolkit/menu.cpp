#include "ui/toolkit/menu.h"

#include "ui/toolkit/backend.h"
#include "ui/toolkit/form.h"

#include <utility>

namespace qm::ui {

MenuItem::MenuItem(Form& form, std::string name, std::string caption)
    : Component(&form, std::move(name)), caption_(std::move(caption))
{
}

void MenuItem::setCaption(std::string caption)
{
    caption_ = std::move(caption);
    changed(Change::Menu);
}

void MenuItem::setEnabled(bool enabled)
{
    enabled_ = enabled;
    changed(Change::Menu);
}

void MenuItem::setChecked(bool checked)
{
    checked_ = checked;
    changed(Change::Menu);
}

void MenuItem::userClick()
{
    if (enabled_ && !isSeparator() && onClick) {
        onClick();
    }
}

Menu::Menu(Form& form, std::string name) : Component(&form, std::move(name)) {}

MainMenu::MainMenu(Form& form, std::string name) : Menu(form, std::move(name)) {}

PopupMenu::PopupMenu(Form& form, std::string name) : Menu(form, std::move(name)) {}

void PopupMenu::popup(Control* at, int x, int y)
{
    if (Backend* backend = form().backend()) {
        backend->popup(*this, at, x, y);
    }
}

}  // namespace qm::ui
