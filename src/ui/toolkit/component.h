// Everything a form owns: visible controls, menus, timers and dialogs.
#pragma once

#include "ui/toolkit/types.h"

#include <memory>
#include <string>

namespace qm::ui {

class Form;
class Backend;

// What a backend keeps beside a component (a native window, say). The model
// owns it so it dies with the component.
class Peer {
public:
    virtual ~Peer() = default;
};

class Component {
public:
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;
    virtual ~Component();

    const std::string& name() const { return name_; }
    Form& form() const;

    Peer* peer() const { return peer_.get(); }
    void setPeer(std::unique_ptr<Peer> peer) { peer_ = std::move(peer); }

protected:
    // A form passes nullptr: it is its own form.
    Component(Form* form, std::string name);

    // Tells the form's backend, if any, that a property changed.
    void changed(Change what, int index = -1);

private:
    Form* form_;  // nullptr for a form itself
    std::string name_;
    std::unique_ptr<Peer> peer_;
};

}  // namespace qm::ui
