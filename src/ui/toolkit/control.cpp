#include "ui/toolkit/control.h"

#include "ui/toolkit/backend.h"
#include "ui/toolkit/form.h"

#include <stdexcept>
#include <utility>

namespace qm::ui {

Control::Control(Form* form, ControlKind kind, std::string name)
    : Component(form, std::move(name)), kind_(kind)
{
}

void Control::setParent(Control& parent)
{
    if (form().backend() != nullptr) {
        throw std::logic_error("cannot move " + name() + " after its form was attached");
    }
    if (&parent.form() != &form()) {
        throw std::logic_error(name() + " and " + parent.name() + " belong to different forms");
    }
    parent_ = &parent;
}

void Control::setBounds(Rect bounds)
{
    if (bounds == bounds_) {
        return;
    }
    bounds_ = bounds;
    changed(Change::Bounds);
    boundsChanged();
}

void Control::setLeft(int v) { setBounds({v, bounds_.top, bounds_.width, bounds_.height}); }
void Control::setTop(int v) { setBounds({bounds_.left, v, bounds_.width, bounds_.height}); }
void Control::setWidth(int v) { setBounds({bounds_.left, bounds_.top, v, bounds_.height}); }
void Control::setHeight(int v) { setBounds({bounds_.left, bounds_.top, bounds_.width, v}); }

void Control::setVisible(bool visible)
{
    if (visible == visible_) {
        return;
    }
    visible_ = visible;
    changed(Change::Visible);
}

void Control::setEnabled(bool enabled)
{
    if (enabled == enabled_) {
        return;
    }
    enabled_ = enabled;
    changed(Change::Enabled);
}

bool Control::takesInput() const
{
    for (const Control* c = this; c != nullptr; c = c->parent()) {
        if (!c->enabled()) {
            return false;
        }
    }
    return form().enabled();
}

void Control::setCaption(std::string caption)
{
    if (caption == caption_) {
        return;
    }
    caption_ = std::move(caption);
    changed(Change::Caption);
}

void Control::setHint(std::string hint)
{
    hint_ = std::move(hint);
    changed(Change::Hint);
}

void Control::setFont(Font font)
{
    if (font == font_) {
        return;
    }
    font_ = std::move(font);
    changed(Change::Font);
}

void Control::setCursor(Cursor cursor)
{
    if (cursor == cursor_) {
        return;
    }
    cursor_ = cursor;
    changed(Change::Cursor);
}

void Control::repaint()
{
    if (Backend* backend = form().backend()) {
        backend->paintNow(*this);
    }
}

void Control::setThemed(bool themed)
{
    requireUnattached("visual style");
    themed_ = themed;
}

void Control::requireUnattached(const char* property) const
{
    if (form().backend() != nullptr) {
        throw std::logic_error(std::string("the ") + property + " of " + name() +
                               " can only be set before its form is attached: the window has it from its creation");
    }
}

void Control::userMouseDown(MouseButton button, int x, int y)
{
    if (takesInput() && onMouseDown) {
        onMouseDown(button, x, y);
    }
}

}  // namespace qm::ui
