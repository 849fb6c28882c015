// The window procedures. Child notifications are reflected to the control
// they concern, and no exception ever leaves a procedure: it goes to the
// application's error report and the loop goes on.
#include "ui/toolkit/toolkit.h"
#include "ui/toolkit/win32/font_cache.h"
#include "ui/toolkit/win32/win32_peer.h"

#include <commctrl.h>
#include <windowsx.h>

namespace qm::ui::win32 {

namespace {

Control* controlOf(Win32Peer* peer) { return peer != nullptr ? dynamic_cast<Control*>(&peer->component) : nullptr; }

// A command from a child window: the one path from a native change to the model.
void reflectCommand(HWND child, WORD code)
{
    Win32Peer* peer = peerOfWindow(child);
    Control* control = controlOf(peer);
    if (control == nullptr) {
        // A radio button of a radio group has no peer of its own.
        Win32Peer* groupPeer = peerOfWindow(GetParent(child));
        if (auto* group = dynamic_cast<RadioGroup*>(controlOf(groupPeer)); group != nullptr && code == BN_CLICKED) {
            for (std::size_t i = 0; i < groupPeer->radios.size(); ++i) {
                if (groupPeer->radios[i] == child) {
                    group->userSelect(static_cast<int>(i));
                }
            }
        }
        return;
    }
    if (peer->syncing) {
        return;
    }
    switch (control->kind()) {
    case ControlKind::Button:
        if (code == BN_CLICKED) {
            static_cast<Button*>(control)->userClick();
        }
        break;
    case ControlKind::CheckBox:
        if (code == BN_CLICKED) {
            static_cast<CheckBox*>(control)->userToggle();
        }
        break;
    case ControlKind::RadioButton:
        if (code == BN_CLICKED) {
            static_cast<RadioButton*>(control)->userCheck();
        }
        break;
    case ControlKind::Edit:
        if (code == EN_CHANGE) {
            static_cast<Edit*>(control)->userSetText(windowText(child));
        }
        break;
    case ControlKind::Memo:
        if (code == EN_CHANGE) {
            static_cast<Memo*>(control)->userSetText(windowText(child));
        }
        break;
    case ControlKind::ListBox:
    case ControlKind::CheckListBox: {
        auto* list = static_cast<ListBox*>(control);
        const int index = static_cast<int>(SendMessageA(child, LB_GETCURSEL, 0, 0));
        if (code == LBN_SELCHANGE) {
            list->userSelect(index);
        } else if (code == LBN_DBLCLK) {
            list->userDoubleClick(index);
        }
        break;
    }
    default: break;
    }
}

Button* findButton(Form& form, bool wantDefault)
{
    for (Component* c : form.components()) {
        if (auto* button = dynamic_cast<Button*>(c);
            button != nullptr && button->visible() && (wantDefault ? button->isDefault() : button->isCancel())) {
            return button;
        }
    }
    return nullptr;
}

void showContextMenu(HWND clicked, LPARAM lp)
{
    Win32Peer* peer = peerOfWindow(clicked);
    Control* control = controlOf(peer);
    if (control == nullptr || control->popupMenu() == nullptr) {
        return;
    }
    POINT point{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    if (point.x == -1 && point.y == -1) {
        point = {4, 4};
    } else {
        ScreenToClient(peer->hwnd, &point);
    }
    control->popupMenu()->popup(control, point.x, point.y);
}

// What our own windows draw themselves: the frames of their bevels and a
// panel's caption.
void paintContainer(Win32Peer& peer, HWND hwnd)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    auto& self = static_cast<Control&>(peer.component);
    const Control* key = self.kind() == ControlKind::Form ? nullptr : &self;
    for (Control* child : self.form().childrenOf(key)) {
        if (auto* bevel = dynamic_cast<Bevel*>(child); bevel != nullptr && bevel->visible()) {
            RECT r{bevel->left(), bevel->top(), bevel->left() + bevel->width(), bevel->top() + bevel->height()};
            DrawEdge(dc, &r, bevel->shape() == BevelShape::Frame ? EDGE_ETCHED : BDR_SUNKENOUTER, BF_RECT);
        }
    }
    if (self.kind() == ControlKind::Panel && !self.caption().empty()) {
        RECT r;
        GetClientRect(hwnd, &r);
        HGDIOBJ old = SelectObject(dc, peer.backend.fonts().get(self.font()));
        SetBkMode(dc, TRANSPARENT);
        DrawTextA(dc, self.caption().c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        SelectObject(dc, old);
    }
    EndPaint(hwnd, &ps);
}

LRESULT formMessage(Win32Peer& peer, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, bool& handled)
{
    auto& form = static_cast<Form&>(peer.component);
    handled = true;
    switch (msg) {
    case WM_CLOSE: form.close(); return 0;
    case WM_SIZE:
        if (wp != SIZE_MINIMIZED) {
            RECT outer;
            RECT client;
            GetWindowRect(hwnd, &outer);
            GetClientRect(hwnd, &client);
            const int w = outer.right - outer.left;
            const int h = outer.bottom - outer.top;
            if (w != form.width() || h != form.height() || client.right != form.clientWidth() ||
                client.bottom != form.clientHeight()) {
                form.userResized(w, h, client.right, client.bottom);
            }
            // The layout handler has just moved the controls; a group frame
            // that shrank repaints its old area over controls that were
            // already drawn there, so everything is redrawn in z-order once.
            RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        }
        return 0;
    case WM_MOVE: {
        RECT outer;
        GetWindowRect(hwnd, &outer);
        if (!IsIconic(hwnd) && (outer.left != form.left() || outer.top != form.top())) {
            form.userMoved(outer.left, outer.top);
        }
        return 0;
    }
    case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(lp);
        if (form.minimumSize().width > 0) {
            info->ptMinTrackSize.x = form.minimumSize().width;
        }
        if (form.minimumSize().height > 0) {
            info->ptMinTrackSize.y = form.minimumSize().height;
        }
        return 0;
    }
    case WM_TIMER:
        if (Timer* timer = peer.backend.timer(static_cast<unsigned>(wp))) {
            timer->tick();
        }
        return 0;
    default: break;
    }
    handled = false;
    return 0;
}

LRESULT containerMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lp);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
    auto* peer = reinterpret_cast<Win32Peer*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (peer == nullptr) {
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
    Control* self = controlOf(peer);
    switch (msg) {
    case WM_COMMAND: {
        const WORD id = LOWORD(wp);
        const WORD code = HIWORD(wp);
        HWND child = reinterpret_cast<HWND>(lp);
        if (child != nullptr && peerOfWindow(child) != nullptr) {
            reflectCommand(child, code);
        } else if (child != nullptr && GetParent(child) == hwnd && self->kind() == ControlKind::RadioGroup) {
            reflectCommand(child, code);
        } else if (id == IDOK || id == IDCANCEL) {
            // Enter and Escape, from the dialog keys of the message loop.
            if (Button* button = findButton(self->form(), id == IDOK)) {
                button->userClick();
            } else if (id == IDCANCEL && self->form().isModal()) {
                self->form().close();
            }
        } else if (child == nullptr) {
            if (MenuItem* item = peer->backend.menuItem(id)) {
                item->userClick();
            }
        }
        return 0;
    }
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lp);
        if (auto* pages = dynamic_cast<PageControl*>(controlOf(peerOfWindow(header->hwndFrom)));
            pages != nullptr && header->code == TCN_SELCHANGE) {
            pages->userSelectPage(static_cast<int>(SendMessageA(header->hwndFrom, TCM_GETCURSEL, 0, 0)));
            placeTabSheets(*peerOf(*pages));
        }
        return 0;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (auto* track = dynamic_cast<TrackBar*>(controlOf(peerOfWindow(reinterpret_cast<HWND>(lp))))) {
            track->userSetPosition(static_cast<int>(SendMessageA(reinterpret_cast<HWND>(lp), TBM_GETPOS, 0, 0)));
        }
        return 0;
    case WM_MEASUREITEM: {
        // Sent while the list is being created, before it has a peer; the
        // model's item height is applied right after.
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
        measure->itemHeight = 15;
        return TRUE;
    }
    case WM_DRAWITEM: {
        auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
        Win32Peer* child = peerOfWindow(draw->hwndItem);
        if (Control* control = controlOf(child)) {
            if (control->kind() == ControlKind::CheckListBox) {
                drawCheckListItem(*child, *draw);
            } else if (control->kind() == ControlKind::Image) {
                drawImage(*child, *draw);
            }
        }
        return TRUE;
    }
    case WM_CTLCOLORSTATIC: {
        // Read-only and "parent colour" texts take the window's colour.
        HDC dc = reinterpret_cast<HDC>(wp);
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_CTLCOLOREDIT:
        if (auto* memo = dynamic_cast<Memo*>(controlOf(peerOfWindow(reinterpret_cast<HWND>(lp))));
            memo != nullptr && memo->parentColor()) {
            HDC dc = reinterpret_cast<HDC>(wp);
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        break;
    case WM_CONTEXTMENU:
        showContextMenu(reinterpret_cast<HWND>(wp), lp);
        return 0;
    case WM_PAINT:
        paintContainer(*peer, hwnd);
        if (self->kind() == ControlKind::Form) {
            static_cast<Form*>(self)->userPaint();
        }
        return 0;
    default: break;
    }
    if (self->kind() == ControlKind::Form) {
        bool handled = false;
        const LRESULT result = formMessage(*peer, hwnd, msg, wp, lp, handled);
        if (handled) {
            return result;
        }
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

void checkListMouse(Win32Peer& peer, HWND hwnd, LPARAM lp)
{
    auto& list = static_cast<CheckListBox&>(peer.component);
    const LRESULT hit = SendMessageA(hwnd, LB_ITEMFROMPOINT, 0, lp);
    const int index = LOWORD(hit);
    if (HIWORD(hit) == 0 && GET_X_LPARAM(lp) < checkBoxWidth(list.itemHeight())) {
        list.userToggleCheck(index);
    }
}

LRESULT controlMessage(Win32Peer& peer, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    Control* control = controlOf(&peer);
    WNDPROC original = peer.oldProc;
    switch (msg) {
    case WM_LBUTTONDOWN: {
        const LRESULT result = CallWindowProcA(original, hwnd, msg, wp, lp);
        if (control->kind() == ControlKind::CheckListBox && control->enabled()) {
            checkListMouse(peer, hwnd, lp);
        }
        control->userMouseDown(MouseButton::Left, GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
        return result;
    }
    case WM_LBUTTONDBLCLK:
        if (control->kind() == ControlKind::CheckListBox && control->enabled()) {
            // A quick second click on a check box is a second toggle, not a double-click.
            auto& list = static_cast<CheckListBox&>(*control);
            if (GET_X_LPARAM(lp) < checkBoxWidth(list.itemHeight())) {
                checkListMouse(peer, hwnd, lp);
                return 0;
            }
        }
        break;
    case WM_RBUTTONDOWN:
        control->userMouseDown(MouseButton::Right, GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
        break;
    case WM_KEYDOWN:
        if (wp == VK_SPACE && control->kind() == ControlKind::CheckListBox) {
            auto& list = static_cast<CheckListBox&>(*control);
            list.userToggleCheck(list.itemIndex());
            return 0;
        }
        break;
    case WM_CHAR:
        if (wp == ' ' && control->kind() == ControlKind::CheckListBox) {
            return 0;
        }
        break;
    default: break;
    }
    return CallWindowProcA(original, hwnd, msg, wp, lp);
}

}  // namespace

LRESULT CALLBACK containerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    try {
        return containerMessage(hwnd, msg, wp, lp);
    } catch (...) {
        if (auto* peer = reinterpret_cast<Win32Peer*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA))) {
            peer->backend.report(std::current_exception());
        }
        return 0;
    }
}

LRESULT CALLBACK controlProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    auto* peer = static_cast<Win32Peer*>(GetPropA(hwnd, kPeerProperty));
    if (peer == nullptr) {
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
    try {
        return controlMessage(*peer, hwnd, msg, wp, lp);
    } catch (...) {
        peer->backend.report(std::current_exception());
        return 0;
    }
}

}  // namespace qm::ui::win32
