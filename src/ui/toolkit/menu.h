// Main menus, popup menus and their items.
#pragma once

#include "ui/toolkit/component.h"

#include <functional>
#include <string>
#include <vector>

namespace qm::ui {

class Control;
class Menu;

// An item; a caption of "-" makes a separator. Items hold sub-items for the
// menus of a main menu bar.
class MenuItem : public Component {
public:
    MenuItem(Form& form, std::string name, std::string caption);

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    bool checked() const { return checked_; }
    void setChecked(bool checked);
    bool isSeparator() const { return caption_ == "-"; }

    void add(MenuItem& item);
    const std::vector<MenuItem*>& items() const { return items_; }

    std::function<void()> onClick;
    // Ignored while the window whose input opens the item's menu (its menu
    // bar, a control's right-click menu) takes none; a menu the program
    // opens itself, as the tray's, stays live.
    void userClick();

private:
    friend class Menu;
    bool reachable() const;

    Menu* menu_ = nullptr;
    MenuItem* parentItem_ = nullptr;
    std::string caption_;
    bool enabled_ = true;
    bool checked_ = false;
    std::vector<MenuItem*> items_;
};

class Menu : public Component {
public:
    void add(MenuItem& item);
    const std::vector<MenuItem*>& items() const { return items_; }

protected:
    Menu(Form& form, std::string name);

private:
    std::vector<MenuItem*> items_;
};

// The menu bar of a form (Form::setMenu).
class MainMenu : public Menu {
public:
    MainMenu(Form& form, std::string name);
};

// Shown at the mouse on a right-click over a control that names it.
class PopupMenu : public Menu {
public:
    PopupMenu(Form& form, std::string name);
    // Shows the menu at a point of `at` (client coordinates).
    void popup(Control* at, int x, int y);
};

}  // namespace qm::ui
