// The window procedures. What a child window sends its parent is reflected to
// the peer of the child it concerns, and no exception ever leaves a
// procedure: it goes to the application's error report and the loop goes on.
#include "ui/toolkit/toolkit.h"
#include "ui/toolkit/win32/win32_peer.h"

#include <windowsx.h>

namespace qm::ui::win32 {

namespace {

// The button of ours that has the keyboard, if one has.
Button* focusedButton()
{
    WindowPeer* peer = peerOfWindow(GetFocus());
    return peer != nullptr ? dynamic_cast<Button*>(&peer->control()) : nullptr;
}

void showContextMenu(HWND clicked, LPARAM lp)
{
    WindowPeer* peer = peerOfWindow(clicked);
    if (peer == nullptr || peer->control().popupMenu() == nullptr) {
        return;
    }
    Control& control = peer->control();
    POINT point{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    if (point.x == -1 && point.y == -1) {
        point = {4, 4};
    } else {
        ScreenToClient(peer->hwnd, &point);
    }
    control.popupMenu()->popup(&control, point.x, point.y);
}

void command(ContainerPeer& self, WPARAM wp, LPARAM lp)
{
    const WORD id = LOWORD(wp);
    const WORD code = HIWORD(wp);
    HWND child = reinterpret_cast<HWND>(lp);
    if (child != nullptr) {
        if (WindowPeer* peer = peerOfWindow(child)) {
            if (!peer->changingItself()) {
                peer->command(code);
            }
        } else if (GetParent(child) == self.hwnd) {
            self.commandFromChild(child, code);
        }
    } else if (id == IDOK || id == IDCANCEL) {
        // Enter and Escape, from the dialog keys of the message loop. Enter
        // on a button that has the keyboard presses that one, as in a dialog.
        Form& form = self.control().form();
        if (id == IDCANCEL) {
            form.userEscape();
        } else if (Button* focused = focusedButton(); focused != nullptr && &focused->form() == &form) {
            focused->userClick();
        } else {
            form.userEnter();
        }
    } else {
        if (MenuItem* item = self.backend.menuItem(id)) {
            item->userClick();
        }
    }
}

LRESULT containerMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lp);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        // The window sends sizes and more before CreateWindowEx returns its handle.
        if (auto* peer = static_cast<WindowPeer*>(create->lpCreateParams)) {
            peer->hwnd = hwnd;
        }
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
    auto* self = dynamic_cast<ContainerPeer*>(reinterpret_cast<WindowPeer*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)));
    if (self == nullptr) {
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
    switch (msg) {
    case WM_COMMAND: command(*self, wp, lp); return 0;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lp);
        WindowPeer* child = peerOfWindow(header->hwndFrom);
        return child != nullptr && !child->changingItself() ? child->notify(*header) : 0;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (WindowPeer* child = peerOfWindow(reinterpret_cast<HWND>(lp)); child != nullptr && !child->changingItself()) {
            child->scrolled();
        }
        return 0;
    case WM_MEASUREITEM: {
        // Sent while an owner-drawn list is being created, before it has a
        // peer; the model's item height is applied right after.
        reinterpret_cast<MEASUREITEMSTRUCT*>(lp)->itemHeight = 15;
        return TRUE;
    }
    case WM_DRAWITEM: {
        const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
        if (WindowPeer* child = peerOfWindow(draw->hwndItem)) {
            child->drawItem(*draw);
        }
        return TRUE;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT: {
        HDC dc = reinterpret_cast<HDC>(wp);
        WindowPeer* child = peerOfWindow(reinterpret_cast<HWND>(lp));
        if (HBRUSH brush = child != nullptr ? child->background(dc) : nullptr) {
            return reinterpret_cast<LRESULT>(brush);
        }
        if (msg == WM_CTLCOLORSTATIC) {
            // Labels, boxes and read-only texts take the window's colour.
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        break;
    }
    case WM_CONTEXTMENU: showContextMenu(reinterpret_cast<HWND>(wp), lp); return 0;
    case WM_CLOSE:
        if (dynamic_cast<FormPeer*>(self) == nullptr) {
            // Sent to a panel or page (a multi-line edit posts it on Escape),
            // the default would destroy the child window.
            return 0;
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        // A press on the bare area of a window of ours (a form, a panel); the
        // default handling follows.
        self->control().userMouseDown(msg == WM_LBUTTONDOWN   ? MouseButton::Left
                                      : msg == WM_RBUTTONDOWN ? MouseButton::Right
                                                              : MouseButton::Middle,
                                      GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
        break;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        self->paint(dc);
        EndPaint(hwnd, &ps);
        if (auto* form = dynamic_cast<Form*>(&self->control())) {
            form->userPaint();
        }
        return 0;
    }
    default: break;
    }
    if (auto* form = dynamic_cast<FormPeer*>(self)) {
        LRESULT result = 0;
        if (form->formMessage(msg, wp, lp, result)) {
            return result;
        }
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

LRESULT CALLBACK containerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    try {
        return containerMessage(hwnd, msg, wp, lp);
    } catch (...) {
        if (auto* peer = reinterpret_cast<WindowPeer*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA))) {
            peer->backend.report(std::current_exception());
        }
        return 0;
    }
}

LRESULT CALLBACK controlProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    ControlPeer* peer = subclassedPeer(hwnd);
    if (peer == nullptr) {
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
    try {
        LRESULT result = 0;
        if (peer->message(msg, wp, lp, result)) {
            return result;
        }
        return CallWindowProcA(peer->oldProc, hwnd, msg, wp, lp);
    } catch (...) {
        peer->backend.report(std::current_exception());
        return 0;
    }
}

}  // namespace qm::ui::win32
