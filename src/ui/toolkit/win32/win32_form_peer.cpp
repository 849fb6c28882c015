// A form's window, and the creation of a form with all its components.
#include "ui/toolkit/toolkit.h"
#include "ui/toolkit/win32/win32_peer.h"

#include <commctrl.h>

#include <stdexcept>

namespace qm::ui::win32 {

namespace {

// A timer's peer: a Windows timer of the form's window.
class TimerPeer : public Win32Peer {
public:
    TimerPeer(Win32Backend& owningBackend, Timer& timer, HWND owner)
        : Win32Peer(owningBackend, timer), id_(owningBackend.registerTimer(timer)), owner_(owner)
    {
        sync(Change::Timer, -1);
    }
    ~TimerPeer() override
    {
        if (IsWindow(owner_)) {
            KillTimer(owner_, id_);
        }
        backend.forgetTimer(id_);
    }
    void sync(Change what, int) override
    {
        if (what != Change::Timer) {
            return;
        }
        const auto& timer = static_cast<const Timer&>(component);
        KillTimer(owner_, id_);
        if (timer.enabled() && timer.interval() > 0) {
            SetTimer(owner_, id_, static_cast<UINT>(timer.interval()), nullptr);
        }
    }

private:
    unsigned id_;
    HWND owner_;
};

void createChildren(Win32Backend& backend, Form& form, Control* parent)
{
    for (Control* child : form.childrenOf(parent)) {
        std::unique_ptr<ControlPeer> owned = makeControlPeer(backend, *child);
        ControlPeer& peer = *owned;
        child->setPeer(std::move(owned));
        peer.create();
        createChildren(backend, form, child);
        peer.childrenCreated();
    }
}

}  // namespace

DWORD formStyle(const Form& form)
{
    const BorderIcons& icons = form.borderIcons();
    DWORD style = WS_CLIPCHILDREN;
    switch (form.borderStyle()) {
    case BorderStyle::None: return style | WS_POPUP;
    case BorderStyle::Sizeable: style |= WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME; break;
    case BorderStyle::SizeToolWindow: style |= WS_POPUP | WS_CAPTION | WS_THICKFRAME; break;
    case BorderStyle::Dialog: style |= WS_POPUP | WS_CAPTION | DS_MODALFRAME; break;
    case BorderStyle::ToolWindow: style |= WS_POPUP | WS_CAPTION; break;
    }
    if (icons.systemMenu) {
        style |= WS_SYSMENU;
        if (icons.minimize && form.borderStyle() == BorderStyle::Sizeable) {
            style |= WS_MINIMIZEBOX;
        }
        if (icons.maximize && form.borderStyle() == BorderStyle::Sizeable) {
            style |= WS_MAXIMIZEBOX;
        }
    }
    return style;
}

DWORD formExStyle(const Form& form)
{
    DWORD ex = WS_EX_CONTROLPARENT;
    if (form.borderStyle() == BorderStyle::Dialog) {
        ex |= WS_EX_DLGMODALFRAME;
    }
    if (form.borderStyle() == BorderStyle::ToolWindow || form.borderStyle() == BorderStyle::SizeToolWindow) {
        ex |= WS_EX_TOOLWINDOW;
    }
    if (form.stayOnTop()) {
        ex |= WS_EX_TOPMOST;
    }
    return ex;
}

FormPeer::~FormPeer()
{
    if (menu != nullptr && hwnd != nullptr && IsWindow(hwnd)) {
        SetMenu(hwnd, nullptr);
    }
    if (menu != nullptr) {
        DestroyMenu(menu);
    }
}

ControlPeer::NativeClass FormPeer::nativeClass() const
{
    const auto& form = static_cast<const Form&>(control());
    return {kFormClass, formStyle(form), formExStyle(form)};
}

void FormPeer::sync(Change what, int)
{
    if (!realized()) {
        return;  // realize() takes the form as it is then
    }
    auto& form = static_cast<Form&>(control());
    switch (what) {
    case Change::Caption: setText(form.caption()); break;
    case Change::Bounds: {
        if (reporting_) {
            break;
        }
        RECT now;
        GetWindowRect(hwnd, &now);
        if (now.left != form.left() || now.top != form.top() || now.right - now.left != form.width() ||
            now.bottom - now.top != form.height()) {
            SetWindowPos(hwnd, nullptr, form.left(), form.top(), form.width(), form.height(),
                         SWP_NOZORDER | SWP_NOACTIVATE);
        }
        break;
    }
    case Change::Enabled: EnableWindow(hwnd, form.enabled()); break;
    case Change::Style:
        // A frame can change on a live window, unlike a control's styles.
        SetWindowLongPtrA(hwnd, GWL_STYLE,
                          static_cast<LONG_PTR>(formStyle(form) | (IsWindowVisible(hwnd) ? WS_VISIBLE : 0)));
        SetWindowLongPtrA(hwnd, GWL_EXSTYLE, static_cast<LONG_PTR>(formExStyle(form)));
        SetWindowPos(hwnd, form.stayOnTop() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        break;
    case Change::Menu: rebuildMenuBar(*this); break;
    default: break;
    }
}

namespace {

// A flag raised for as long as the object lives.
struct Raised {
    explicit Raised(bool& flag) : flag_(flag), was_(flag) { flag = true; }
    ~Raised() { flag_ = was_; }
    Raised(const Raised&) = delete;
    Raised& operator=(const Raised&) = delete;

private:
    bool& flag_;
    bool was_;
};

}  // namespace

bool FormPeer::formMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result)
{
    auto& form = static_cast<Form&>(control());
    result = 0;
    switch (msg) {
    case WM_SYSCOMMAND:
        if ((wp & 0xFFF0) != SC_CLOSE) {
            return false;
        }
        {
            // The close button, the system menu's Close and Alt+F4 all come
            // this way: the user closes this one window.
            const Raised closing(userClosing_);
            result = DefWindowProcA(hwnd, msg, wp, lp);
        }
        return true;
    case WM_CLOSE:
        // A close request to a window the user cannot see (the tray window,
        // the main window, any hidden one) comes from outside: another
        // program ending ours politely, as taskkill does to every window of
        // a process. The program ends as its own shutdown would end it. A
        // shown window closes as the user's close would close it.
        if (userClosing_ || IsWindowVisible(hwnd)) {
            form.close();
        } else {
            backend.requestEnd();
        }
        return true;
    case WM_QUERYENDSESSION: result = backend.requestEnd() ? TRUE : FALSE; return true;
    case WM_ACTIVATE: {
        // As a dialog does: the keyboard goes back to the control that had it
        // when the window was left, or to the model's first control, rather
        // than to the window itself.
        if (LOWORD(wp) == WA_INACTIVE) {
            HWND focus = GetFocus();
            savedFocus = focus != nullptr && IsChild(hwnd, focus) ? focus : nullptr;
            return false;
        }
        if (HIWORD(wp) != 0) {
            return false;
        }
        HWND target = savedFocus != nullptr && IsWindow(savedFocus) && IsChild(hwnd, savedFocus) &&
                              IsWindowVisible(savedFocus) && IsWindowEnabled(savedFocus)
                          ? savedFocus
                          : focusWindowOf(form);
        if (target == nullptr) {
            return false;
        }
        SetFocus(target);
        return true;
    }
    case WM_SIZE:
        if (wp != SIZE_MINIMIZED) {
            const Raised reporting(reporting_);
            RECT outer;
            RECT client;
            GetWindowRect(hwnd, &outer);
            GetClientRect(hwnd, &client);
            const int w = outer.right - outer.left;
            const int h = outer.bottom - outer.top;
            const WindowState state = wp == SIZE_MAXIMIZED ? WindowState::Maximized : WindowState::Normal;
            if (w != form.width() || h != form.height() || client.right != form.clientWidth() ||
                client.bottom != form.clientHeight() || state != form.windowState()) {
                form.userResized(w, h, client.right, client.bottom, state);
            }
            // The layout handler has just moved the controls; a group frame
            // that shrank repaints its old area over controls that were
            // already drawn there, so everything is redrawn in z-order once.
            RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        }
        return true;
    case WM_MOVE: {
        const Raised reporting(reporting_);
        RECT outer;
        GetWindowRect(hwnd, &outer);
        if (!IsIconic(hwnd) && (outer.left != form.left() || outer.top != form.top())) {
            form.userMoved(outer.left, outer.top);
        }
        return true;
    }
    case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(lp);
        if (form.minimumSize().width > 0) {
            info->ptMinTrackSize.x = form.minimumSize().width;
        }
        if (form.minimumSize().height > 0) {
            info->ptMinTrackSize.y = form.minimumSize().height;
        }
        return true;
    }
    case WM_TIMER:
        if (Timer* timer = backend.timer(static_cast<unsigned>(wp))) {
            timer->tick();
        }
        return true;
    default: return false;
    }
}

void attachForm(Win32Backend& backend, Form& form)
{
    auto owned = std::make_unique<FormPeer>(backend, form);
    FormPeer& peer = *owned;
    form.setPeer(std::move(owned));
    for (Component* c : form.components()) {
        if (dynamic_cast<Timer*>(c) != nullptr) {
            peer.realize();
            return;
        }
    }
}

FormPeer* realizedFormPeer(const Form& form)
{
    auto* peer = dynamic_cast<FormPeer*>(peerOf(form));
    if (peer != nullptr) {
        peer->realizeControls();
    }
    return peer;
}

void FormPeer::realize()
{
    if (realized()) {
        return;
    }
    registerClasses();
    auto& form = static_cast<Form&>(control());
    menu = form.menu() != nullptr ? buildMenuBar(backend, form) : nullptr;
    const NativeClass native = nativeClass();
    hwnd = CreateWindowExA(native.exStyle, native.className, form.caption().c_str(), native.style, form.left(),
                           form.top(), form.width(), form.height(), nullptr, menu, instance(),
                           static_cast<WindowPeer*>(this));
    if (hwnd == nullptr) {
        throw std::runtime_error("cannot create the window " + form.name());
    }
    if (!form.enabled()) {
        EnableWindow(hwnd, FALSE);
    }
    for (Component* c : form.components()) {
        if (auto* timer = dynamic_cast<Timer*>(c)) {
            timer->setPeer(std::make_unique<TimerPeer>(backend, *timer, hwnd));
        }
    }
}

void FormPeer::realizeControls()
{
    realize();
    if (controlsRealized_) {
        return;
    }
    controlsRealized_ = true;
    createChildren(backend, static_cast<Form&>(control()), nullptr);
}

HWND FormPeer::tooltipWindow()
{
    if (tooltip == nullptr && hwnd != nullptr) {
        tooltip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, hwnd, nullptr, instance(), nullptr);
    }
    return tooltip;
}

}  // namespace qm::ui::win32
