#include "ui/toolkit/menu.h"

#include "ui/toolkit/backend.h"
#include "ui/toolkit/control.h"
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

void MenuItem::add(MenuItem& item)
{
    item.parentItem_ = this;
    items_.push_back(&item);
}

bool MenuItem::reachable() const
{
    const MenuItem* top = this;
    while (top->parentItem_ != nullptr) {
        top = top->parentItem_;
    }
    const Menu* menu = top->menu_;
    if (menu == nullptr) {
        return true;
    }
    if (menu == form().menu()) {
        return form().takesInput();
    }
    for (Component* c : form().components()) {
        if (auto* control = dynamic_cast<Control*>(c); control != nullptr && control->popupMenu() == menu) {
            return control->takesInput();
        }
    }
    return true;
}

void MenuItem::userClick()
{
    if (enabled_ && !isSeparator() && reachable() && onClick) {
        onClick();
    }
}

Menu::Menu(Form& form, std::string name) : Component(&form, std::move(name)) {}

void Menu::add(MenuItem& item)
{
    item.menu_ = this;
    items_.push_back(&item);
}

MainMenu::MainMenu(Form& form, std::string name) : Menu(form, std::move(name)) {}

PopupMenu::PopupMenu(Form& form, std::string name) : Menu(form, std::move(name)) {}

void PopupMenu::popup(Control* at, int x, int y)
{
    if (Backend* backend = form().backend()) {
        backend->popup(*this, at, x, y);
    }
}

}  // namespace qm::ui
