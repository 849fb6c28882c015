// A window: a control that owns the other components and can be shown,
// hidden and shown modally.
#pragma once

#include "ui/toolkit/control.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace qm::ui {

class Backend;
class Button;
class MainMenu;
class ModalLock;

enum class BorderStyle { Sizeable, Dialog, None, ToolWindow, SizeToolWindow };
// Where a form appears: where it was put, centred on the screen once at its
// first show, or centred on the application's main form at every show.
enum class FormPosition { Designed, ScreenCenter, MainFormCenter };
// What a close request does: our windows hide instead of closing.
enum class CloseAction { None, Hide };
// A window is maximised only by the user (its title bar), never by the code.
enum class WindowState { Normal, Maximized };

struct BorderIcons {
    bool systemMenu = true;
    bool minimize = true;
    bool maximize = true;
    static BorderIcons none() { return {false, false, false}; }
    bool operator==(const BorderIcons&) const = default;
};

class Form : public Control {
public:
    explicit Form(std::string name);
    ~Form() override;

    // Outer size (frame included) and client size; setting one derives the
    // other from the backend's frame, so both stay true.
    void setSize(int width, int height);
    void setClientSize(int width, int height);
    int clientWidth() const { return clientWidth_; }
    int clientHeight() const { return clientHeight_; }
    WindowState windowState() const { return state_; }
    // The outer size the window has when it is not maximised: the size worth
    // keeping for the next run.
    Size restoredSize() const;

    BorderStyle borderStyle() const { return borderStyle_; }
    void setBorderStyle(BorderStyle style);
    const BorderIcons& borderIcons() const { return borderIcons_; }
    void setBorderIcons(BorderIcons icons);
    bool stayOnTop() const { return stayOnTop_; }
    void setStayOnTop(bool onTop);
    FormPosition position() const { return position_; }
    void setPosition(FormPosition position) { position_ = position; }
    Size minimumSize() const { return minimumSize_; }
    void setMinimumSize(int width, int height) { minimumSize_ = {width, height}; }
    MainMenu* menu() const { return menu_; }
    void setMenu(MainMenu* menu);

    void setVisible(bool visible) override;
    void show();
    // Shows the window without taking the focus from whatever has it.
    void showNoActivate();
    void hide() { setVisible(false); }
    // Runs the form until it has a result. Meanwhile no other form takes
    // input; they come back as they were just before this one hides, so the
    // window behind it takes the activation.
    ModalResult showModal();
    // A close request, as from the title bar's close button.
    void close();

    bool isModal() const { return modal_; }
    ModalResult modalResult() const { return modalResult_; }
    // During a modal show a result other than None ends it.
    void setModalResult(ModalResult result) { modalResult_ = result; }

    // The controls Tab visits, in order: each that takes input and is a tab
    // stop, in creation order, the controls of a frame or page (the active
    // one only) where the frame lies.
    std::vector<Control*> tabOrder() const;
    // The control that has the keyboard when the window appears: the one
    // named, while Tab can reach it, or else the first Tab visits.
    Control* focusAtShow() const;
    void setActiveControl(Control* control) { activeControl_ = control; }
    // The buttons Enter and Escape press where no control takes the key;
    // nullptr when there is none the user can press.
    Button* defaultButton() const;
    Button* cancelButton() const;
    // Enter and Escape from the backend. Escape in a modal window without a
    // cancel button closes it as cancelled.
    void userEnter();
    void userEscape();

    // Closing the main form ends the program (Application::setMainForm).
    bool isMainForm() const;
    void centreOnScreen();
    // Centred on the main form's window, but never off the screen; on the
    // screen when this is the main form or there is none.
    void centreOnMainForm();

    std::function<void()> onResize;
    std::function<void()> onShow;
    // After the window was painted; at the latest right after each show.
    std::function<void()> onPaint;
    std::function<void(CloseAction&)> onClose;

    // From the backend: the user resized the window (maximising it, or
    // bringing it back), or it needs painting.
    void userResized(int width, int height, int clientWidth, int clientHeight,
                     WindowState state = WindowState::Normal);
    void userPaint();
    void userMoved(int left, int top);

    // Components in construction order.
    const std::vector<Component*>& components() const { return components_; }
    // The controls whose parent is `parent` (nullptr: the client area).
    std::vector<Control*> childrenOf(const Control* parent) const;

    Backend* backend() const { return backend_; }
    void attach(Backend& backend);

private:
    friend class Component;
    void adopt(Component& component);
    void release(Component& component);
    void recomputeSize();
    void boundsChanged() override;
    void doShow(bool activate);

    std::vector<Component*> components_;
    Backend* backend_ = nullptr;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    bool clientSizeSet_ = false;
    bool inSizeUpdate_ = false;
    Size notifiedSize_;
    Size notifiedClient_;
    WindowState state_ = WindowState::Normal;
    Size restored_;
    BorderStyle borderStyle_ = BorderStyle::Sizeable;
    BorderIcons borderIcons_;
    bool stayOnTop_ = false;
    FormPosition position_ = FormPosition::Designed;
    bool centred_ = false;
    Size minimumSize_;
    MainMenu* menu_ = nullptr;
    Control* activeControl_ = nullptr;
    bool modal_ = false;
    ModalResult modalResult_ = ModalResult::None;
    std::unique_ptr<ModalLock> modalLock_;
};

}  // namespace qm::ui
