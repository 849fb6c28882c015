#include "ui/toolkit/form.h"

#include "ui/toolkit/backend.h"
#include "ui/toolkit/buttons.h"
#include "ui/toolkit/containers.h"
#include "ui/toolkit/menu.h"
#include "ui/toolkit/modal_lock.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace qm::ui {

Form::Form(std::string name) : Control(nullptr, ControlKind::Form, std::move(name))
{
    initVisible(false);
}

Form::~Form()
{
    // Backend peers of the components go first: they may refer to the form's.
    for (Component* c : components_) {
        c->setPeer(nullptr);
    }
    setPeer(nullptr);
    if (isMainForm()) {
        backend_->setMainForm(nullptr);
    }
    if (backend_ != nullptr) {
        backend_->removeForm(*this);
    }
}

void Form::adopt(Component& component) { components_.push_back(&component); }

void Form::release(Component& component)
{
    components_.erase(std::remove(components_.begin(), components_.end(), &component), components_.end());
}

std::vector<Control*> Form::childrenOf(const Control* parent) const
{
    std::vector<Control*> result;
    for (Component* c : components_) {
        if (auto* control = dynamic_cast<Control*>(c); control != nullptr && control->parent() == parent) {
            result.push_back(control);
        }
    }
    return result;
}

namespace {

// A page's controls are on screen only while it is the active one.
bool shownPage(const Control& control)
{
    const auto* sheet = dynamic_cast<const TabSheet*>(&control);
    if (sheet == nullptr) {
        return true;
    }
    const std::vector<TabSheet*> pages = sheet->pageControl().pages();
    const int active = sheet->pageControl().activePageIndex();
    return active >= 0 && active < static_cast<int>(pages.size()) && pages[static_cast<std::size_t>(active)] == sheet;
}

void collectTabStops(const Form& form, const Control* parent, std::vector<Control*>& out)
{
    for (Control* child : form.childrenOf(parent)) {
        if (!child->visible() || !child->enabled() || !shownPage(*child)) {
            continue;
        }
        if (child->tabStop()) {
            out.push_back(child);
        }
        collectTabStops(form, child, out);
    }
}

Button* findButton(const Form& form, bool wantDefault)
{
    for (Component* c : form.components()) {
        auto* button = dynamic_cast<Button*>(c);
        if (button != nullptr && (wantDefault ? button->isDefault() : button->isCancel()) && button->visible() &&
            button->takesInput()) {
            return button;
        }
    }
    return nullptr;
}

}  // namespace

std::vector<Control*> Form::tabOrder() const
{
    std::vector<Control*> order;
    if (enabled()) {
        collectTabStops(*this, nullptr, order);
    }
    return order;
}

Control* Form::focusAtShow() const
{
    const std::vector<Control*> order = tabOrder();
    if (activeControl_ != nullptr && std::find(order.begin(), order.end(), activeControl_) != order.end()) {
        return activeControl_;
    }
    return order.empty() ? nullptr : order.front();
}

Button* Form::defaultButton() const { return findButton(*this, true); }

Button* Form::cancelButton() const { return findButton(*this, false); }

void Form::userEnter()
{
    if (Button* button = defaultButton()) {
        button->userClick();
    }
}

void Form::userEscape()
{
    if (Button* button = cancelButton()) {
        button->userClick();
    } else if (modal_ && takesInput()) {
        close();
    }
}

void Form::attach(Backend& backend)
{
    if (backend_ != nullptr) {
        throw std::logic_error("form " + name() + " is already attached");
    }
    backend_ = &backend;
    backend.addForm(*this);
    recomputeSize();
    // A form made at once (one with a timer) is then made in its place,
    // not made and moved.
    if (position_ == FormPosition::ScreenCenter) {
        centreOnScreen();
    }
    backend.attach(*this);
}

void Form::setSize(int width, int height)
{
    clientSizeSet_ = false;
    const Size frame = backend_ != nullptr ? backend_->frameExtent(*this) : Size{};
    clientWidth_ = width - frame.width;
    clientHeight_ = height - frame.height;
    inSizeUpdate_ = true;
    setBounds(left(), top(), width, height);
    inSizeUpdate_ = false;
    boundsChanged();
}

void Form::setClientSize(int width, int height)
{
    clientSizeSet_ = true;
    const Size frame = backend_ != nullptr ? backend_->frameExtent(*this) : Size{};
    clientWidth_ = width;
    clientHeight_ = height;
    inSizeUpdate_ = true;
    setBounds(left(), top(), width + frame.width, height + frame.height);
    inSizeUpdate_ = false;
    boundsChanged();
}

void Form::recomputeSize()
{
    if (clientSizeSet_) {
        setClientSize(clientWidth_, clientHeight_);
    } else {
        setSize(width(), height());
    }
}

void Form::boundsChanged()
{
    if (inSizeUpdate_) {
        return;
    }
    const Size now{width(), height()};
    const Size client{clientWidth_, clientHeight_};
    if (now == notifiedSize_ && client == notifiedClient_) {
        return;
    }
    notifiedSize_ = now;
    notifiedClient_ = client;
    // Resizing is layout, not a value change: the layout handler must run
    // for programmatic sizes too, and when only the client area changes (the
    // frame becomes known at attaching, a menu bar comes), since controls
    // along the client area's edges follow it.
    if (onResize) {
        onResize();
    }
}

void Form::setBorderStyle(BorderStyle style)
{
    borderStyle_ = style;
    changed(Change::Style);
    recomputeSize();
}

void Form::setBorderIcons(BorderIcons icons)
{
    borderIcons_ = icons;
    changed(Change::Style);
}

void Form::setStayOnTop(bool onTop)
{
    stayOnTop_ = onTop;
    changed(Change::Style);
}

void Form::setMenu(MainMenu* menu)
{
    menu_ = menu;
    changed(Change::Menu);
    recomputeSize();
}

bool Form::isMainForm() const { return backend_ != nullptr && backend_->mainForm() == this; }

void Form::centreOnScreen()
{
    if (backend_ == nullptr) {
        return;
    }
    const Size screen = backend_->screenSize();
    setBounds((screen.width - width()) / 2, (screen.height - height()) / 2, width(), height());
}

void Form::centreOnMainForm()
{
    const Form* main = backend_ != nullptr ? backend_->mainForm() : nullptr;
    if (main == nullptr || main == this) {
        centreOnScreen();
        return;
    }
    const Size screen = backend_->screenSize();
    const int x = main->left() + (main->width() - width()) / 2;
    const int y = main->top() + (main->height() - height()) / 2;
    setBounds(std::clamp(x, 0, std::max(0, screen.width - width())), std::clamp(y, 0, std::max(0, screen.height - height())),
              width(), height());
}

void Form::doShow(bool activate)
{
    if (backend_ == nullptr) {
        throw std::logic_error("form " + name() + " is shown before it was attached to a backend");
    }
    if (position_ == FormPosition::ScreenCenter && !centred_) {
        centred_ = true;
        centreOnScreen();
    } else if (position_ == FormPosition::MainFormCenter) {
        centreOnMainForm();
    }
    const bool wasVisible = visible();
    initVisible(true);
    backend_->showForm(*this, activate);
    if (!wasVisible && onShow) {
        onShow();
    }
}

void Form::setVisible(bool visible)
{
    if (visible) {
        doShow(true);
        return;
    }
    if (!this->visible()) {
        return;
    }
    initVisible(false);
    if (modal_ && modalResult_ == ModalResult::None) {
        modalResult_ = ModalResult::Cancel;
    }
    if (modalLock_) {
        modalLock_->release();
    }
    if (backend_ != nullptr) {
        backend_->hideForm(*this);
    }
}

void Form::show() { doShow(true); }

void Form::showNoActivate() { doShow(false); }

ModalResult Form::showModal()
{
    if (backend_ == nullptr) {
        throw std::logic_error("form " + name() + " is shown before it was attached to a backend");
    }
    if (modal_) {
        throw std::logic_error("form " + name() + " is already shown modally");
    }
    modal_ = true;
    modalResult_ = ModalResult::None;
    modalLock_ = std::make_unique<ModalLock>(*backend_, *this);
    struct Reset {
        Form& f;
        ~Reset()
        {
            f.modalLock_.reset();
            f.modal_ = false;
        }
    } reset{*this};
    return backend_->showModal(*this);
}

void Form::close()
{
    if (modal_) {
        if (modalResult_ == ModalResult::None) {
            modalResult_ = ModalResult::Cancel;
        }
        return;
    }
    CloseAction action = CloseAction::Hide;
    if (onClose) {
        onClose(action);
    }
    if (action == CloseAction::None) {
        return;
    }
    hide();
    if (isMainForm()) {
        backend_->quit();
    }
}

Size Form::restoredSize() const
{
    return state_ == WindowState::Maximized ? restored_ : Size{width(), height()};
}

void Form::userResized(int width, int height, int clientWidth, int clientHeight, WindowState state)
{
    if (state == WindowState::Maximized && state_ == WindowState::Normal) {
        restored_ = {this->width(), this->height()};
    }
    state_ = state;
    clientSizeSet_ = false;
    clientWidth_ = clientWidth;
    clientHeight_ = clientHeight;
    inSizeUpdate_ = true;
    setBounds(left(), top(), width, height);
    inSizeUpdate_ = false;
    boundsChanged();
}

void Form::userMoved(int left, int top) { setBounds(left, top, width(), height()); }

void Form::userPaint()
{
    if (onPaint) {
        onPaint();
    }
}

}  // namespace qm::ui
