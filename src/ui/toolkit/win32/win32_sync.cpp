// Bringing a native window in step with its model after a change.
#include "ui/toolkit/toolkit.h"
#include "ui/toolkit/win32/font_cache.h"
#include "ui/toolkit/win32/win32_peer.h"

#include <commctrl.h>

namespace qm::ui::win32 {

Win32Peer::~Win32Peer()
{
    switch (role) {
    case Role::Timer:
        if (timerOwner != nullptr && IsWindow(timerOwner)) {
            KillTimer(timerOwner, id);
        }
        backend.forgetTimer(id);
        return;
    case Role::MenuItem: backend.forgetMenuItem(id); return;
    case Role::Window: break;
    }
    if (menu != nullptr && hwnd != nullptr && IsWindow(hwnd)) {
        SetMenu(hwnd, nullptr);
    }
    if (menu != nullptr) {
        DestroyMenu(menu);
    }
    if (hwnd != nullptr && IsWindow(hwnd)) {
        // No message may reach a peer that is going away.
        if (oldProc != nullptr) {
            SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc));
            RemovePropA(hwnd, kPeerProperty);
        } else {
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        }
        DestroyWindow(hwnd);
    }
    if (picture != nullptr) {
        if (pictureIsIcon) {
            DestroyIcon(static_cast<HICON>(picture));
        } else {
            DeleteObject(picture);
        }
    }
}

Win32Peer* peerOf(const Component& component) { return static_cast<Win32Peer*>(component.peer()); }

Win32Peer* peerOfWindow(HWND hwnd)
{
    if (hwnd == nullptr) {
        return nullptr;
    }
    if (auto* peer = static_cast<Win32Peer*>(GetPropA(hwnd, kPeerProperty))) {
        return peer;
    }
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    if (lstrcmpiA(name, kFormClass) == 0 || lstrcmpiA(name, kContainerClass) == 0) {
        return reinterpret_cast<Win32Peer*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    }
    return nullptr;
}

std::string windowText(HWND hwnd)
{
    const int length = GetWindowTextLengthA(hwnd);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int got = GetWindowTextA(hwnd, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return text;
}

namespace {

void setTextIfDifferent(Win32Peer& peer, const std::string& text)
{
    if (windowText(peer.hwnd) == text) {
        return;
    }
    peer.syncing = true;
    SetWindowTextA(peer.hwnd, text.c_str());
    peer.syncing = false;
}

void syncListItems(Win32Peer& peer, ListBox& list)
{
    peer.syncing = true;
    SendMessageA(peer.hwnd, WM_SETREDRAW, FALSE, 0);
    SendMessageA(peer.hwnd, LB_RESETCONTENT, 0, 0);
    for (int i = 0; i < list.count(); ++i) {
        SendMessageA(peer.hwnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(list.item(i).c_str()));
    }
    SendMessageA(peer.hwnd, LB_SETCURSEL, static_cast<WPARAM>(list.itemIndex()), 0);
    SendMessageA(peer.hwnd, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(peer.hwnd, nullptr, TRUE);
    peer.syncing = false;
}

void loadPicture(Win32Peer& peer, const Image& image)
{
    if (peer.picture != nullptr) {
        if (peer.pictureIsIcon) {
            DestroyIcon(static_cast<HICON>(peer.picture));
        } else {
            DeleteObject(peer.picture);
        }
        peer.picture = nullptr;
    }
    const Picture& p = image.picture();
    switch (p.kind) {
    case Picture::Kind::None: break;
    case Picture::Kind::File: {
        const bool icon = p.file.size() > 4 && lstrcmpiA(p.file.c_str() + p.file.size() - 4, ".ico") == 0;
        peer.picture = LoadImageA(nullptr, p.file.c_str(), icon ? IMAGE_ICON : IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
        peer.pictureIsIcon = icon;
        break;
    }
    case Picture::Kind::IconFile:
        // Without a size Windows takes the file's first image, whatever its size.
        peer.picture = LoadImageA(nullptr, p.file.c_str(), IMAGE_ICON, 32, 32, LR_LOADFROMFILE);
        peer.pictureIsIcon = true;
        break;
    case Picture::Kind::Resource:
        peer.picture = CopyIcon(LoadIconA(instance(), MAKEINTRESOURCEA(p.resource)));
        peer.pictureIsIcon = true;
        break;
    case Picture::Kind::Pixels: {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = p.width;
        info.bmiHeader.biHeight = -p.height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (bitmap != nullptr && bits != nullptr && p.pixels.size() == static_cast<std::size_t>(p.width * p.height)) {
            CopyMemory(bits, p.pixels.data(), p.pixels.size() * sizeof(p.pixels[0]));
        }
        peer.picture = bitmap;
        peer.pictureIsIcon = false;
        break;
    }
    }
    InvalidateRect(peer.hwnd, nullptr, TRUE);
}

void syncForm(Win32Peer& peer, Form& form, Change what)
{
    switch (what) {
    case Change::Caption: setTextIfDifferent(peer, form.caption()); break;
    case Change::Bounds: {
        RECT now;
        GetWindowRect(peer.hwnd, &now);
        if (now.left != form.left() || now.top != form.top() || now.right - now.left != form.width() ||
            now.bottom - now.top != form.height()) {
            SetWindowPos(peer.hwnd, nullptr, form.left(), form.top(), form.width(), form.height(),
                         SWP_NOZORDER | SWP_NOACTIVATE);
        }
        break;
    }
    case Change::Enabled: EnableWindow(peer.hwnd, form.enabled()); break;
    case Change::Style:
        SetWindowLongPtrA(peer.hwnd, GWL_STYLE,
                          static_cast<LONG_PTR>(formStyle(form) | (IsWindowVisible(peer.hwnd) ? WS_VISIBLE : 0)));
        SetWindowLongPtrA(peer.hwnd, GWL_EXSTYLE, static_cast<LONG_PTR>(formExStyle(form)));
        SetWindowPos(peer.hwnd, form.stayOnTop() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        break;
    case Change::Menu: rebuildMenuBar(peer); break;
    default: break;
    }
}

}  // namespace

void layoutRadioGroup(Win32Peer& peer)
{
    auto& group = static_cast<RadioGroup&>(peer.component);
    const int count = static_cast<int>(peer.radios.size());
    if (count == 0) {
        return;
    }
    const int columns = group.columns();
    const int rows = (count + columns - 1) / columns;
    const int top = 16;
    const int rowHeight = (group.height() - top - 4) / rows;
    const int columnWidth = (group.width() - 16) / columns;
    for (int i = 0; i < count; ++i) {
        const int column = i / rows;
        const int row = i % rows;
        MoveWindow(peer.radios[static_cast<std::size_t>(i)], 8 + column * columnWidth, top + row * rowHeight,
                   columnWidth - 4, rowHeight > 17 ? 17 : rowHeight, TRUE);
    }
}

void placeTabSheets(Win32Peer& pageControlPeer)
{
    auto& pages = static_cast<PageControl&>(pageControlPeer.component);
    RECT area{0, 0, pages.width(), pages.height()};
    SendMessageA(pageControlPeer.hwnd, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    const auto sheets = pages.pages();
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        if (Win32Peer* sheet = peerOf(*sheets[i])) {
            MoveWindow(sheet->hwnd, area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
            ShowWindow(sheet->hwnd, static_cast<int>(i) == pages.activePageIndex() ? SW_SHOW : SW_HIDE);
        }
    }
}

void syncHint(Win32Peer& peer)
{
    auto& control = static_cast<Control&>(peer.component);
    Win32Peer* formPeer = peerOf(control.form());
    if (formPeer == nullptr || formPeer->tooltip == nullptr || peer.hwnd == nullptr) {
        return;
    }
    TOOLINFOA tool{};
    // The size comctl32 4.70 knows, so older systems accept it too.
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = formPeer->hwnd;
    tool.uId = reinterpret_cast<UINT_PTR>(peer.hwnd);
    SendMessageA(formPeer->tooltip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    if (control.hint().empty()) {
        return;
    }
    std::string text = control.hint();
    tool.lpszText = text.data();
    SendMessageA(formPeer->tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void sync(Win32Peer& peer, Change what)
{
    if (peer.role != Win32Peer::Role::Window) {
        if (peer.role == Win32Peer::Role::Timer && what == Change::Timer) {
            auto& timer = static_cast<Timer&>(peer.component);
            KillTimer(peer.timerOwner, peer.id);
            if (timer.enabled() && timer.interval() > 0) {
                SetTimer(peer.timerOwner, peer.id, static_cast<UINT>(timer.interval()), nullptr);
            }
        }
        return;
    }
    auto* control = dynamic_cast<Control*>(&peer.component);
    if (control == nullptr) {
        return;
    }
    if (control->kind() == ControlKind::Form) {
        syncForm(peer, static_cast<Form&>(*control), what);
        return;
    }
    HWND hwnd = peer.hwnd;
    if (hwnd == nullptr) {
        // Drawn by its parent (a bevel).
        Control* parent = control->parent();
        if (Win32Peer* parentPeer = peerOf(parent != nullptr ? static_cast<Component&>(*parent) : control->form())) {
            InvalidateRect(parentPeer->hwnd, nullptr, TRUE);
        }
        return;
    }
    switch (what) {
    case Change::Bounds: {
        const Rect& r = control->bounds();
        MoveWindow(hwnd, r.left, r.top, r.width, r.height, TRUE);
        if (peer.frame != nullptr) {
            MoveWindow(peer.frame, 0, 0, r.width, r.height, TRUE);
        }
        if (control->kind() == ControlKind::RadioGroup) {
            layoutRadioGroup(peer);
        }
        if (control->kind() == ControlKind::PageControl) {
            placeTabSheets(peer);
        }
        break;
    }
    case Change::Visible:
        if (control->kind() != ControlKind::TabSheet) {
            ShowWindow(hwnd, control->visible() ? SW_SHOWNA : SW_HIDE);
        }
        break;
    case Change::Enabled: EnableWindow(hwnd, control->enabled()); break;
    case Change::Font: {
        HFONT font = peer.backend.fonts().get(control->font());
        SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        for (HWND radio : peer.radios) {
            SendMessageA(radio, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        }
        break;
    }
    case Change::Caption:
        switch (control->kind()) {
        case ControlKind::Edit: setTextIfDifferent(peer, static_cast<Edit&>(*control).text()); break;
        case ControlKind::Memo: setTextIfDifferent(peer, static_cast<Memo&>(*control).text()); break;
        case ControlKind::StatusBar:
            SendMessageA(hwnd, SB_SETTEXTA, 255, reinterpret_cast<LPARAM>(control->caption().c_str()));
            break;
        case ControlKind::GroupBox:
        case ControlKind::RadioGroup: SetWindowTextA(peer.frame, control->caption().c_str()); break;
        case ControlKind::TabSheet: {
            auto& sheet = static_cast<TabSheet&>(*control);
            Win32Peer* pagesPeer = peerOf(sheet.pageControl());
            const auto pages = sheet.pageControl().pages();
            for (std::size_t i = 0; pagesPeer != nullptr && i < pages.size(); ++i) {
                if (pages[i] == &sheet) {
                    TCITEMA item{};
                    item.mask = TCIF_TEXT;
                    std::string caption = sheet.caption();
                    item.pszText = caption.data();
                    SendMessageA(pagesPeer->hwnd, TCM_SETITEMA, i, reinterpret_cast<LPARAM>(&item));
                }
            }
            break;
        }
        case ControlKind::Panel: InvalidateRect(hwnd, nullptr, TRUE); break;
        default: setTextIfDifferent(peer, control->caption()); break;
        }
        break;
    case Change::Checked:
        if (auto* box = dynamic_cast<CheckBox*>(control)) {
            SendMessageA(hwnd, BM_SETCHECK, box->checked() ? BST_CHECKED : BST_UNCHECKED, 0);
        } else if (auto* radio = dynamic_cast<RadioButton*>(control)) {
            SendMessageA(hwnd, BM_SETCHECK, radio->checked() ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        break;
    case Change::Items:
        if (auto* list = dynamic_cast<ListBox*>(control)) {
            syncListItems(peer, *list);
        } else if (auto* group = dynamic_cast<RadioGroup*>(control)) {
            for (HWND radio : peer.radios) {
                DestroyWindow(radio);
            }
            peer.radios.clear();
            HFONT font = peer.backend.fonts().get(control->font());
            for (std::size_t i = 0; i < group->items().size(); ++i) {
                const DWORD style = WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0);
                HWND radio = CreateWindowExA(0, "BUTTON", group->items()[i].c_str(), style, 0, 0, 10, 10, hwnd,
                                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(i + 1)), instance(), nullptr);
                SendMessageA(radio, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
                peer.radios.push_back(radio);
            }
            layoutRadioGroup(peer);
            sync(peer, Change::ItemIndex);
        }
        break;
    case Change::ItemIndex:
        if (auto* list = dynamic_cast<ListBox*>(control)) {
            SendMessageA(hwnd, LB_SETCURSEL, static_cast<WPARAM>(list->itemIndex()), 0);
        } else if (auto* group = dynamic_cast<RadioGroup*>(control)) {
            for (std::size_t i = 0; i < peer.radios.size(); ++i) {
                SendMessageA(peer.radios[i], BM_SETCHECK,
                             static_cast<int>(i) == group->itemIndex() ? BST_CHECKED : BST_UNCHECKED, 0);
            }
        }
        break;
    case Change::ItemChecked: InvalidateRect(hwnd, nullptr, FALSE); break;
    case Change::ItemHeight:
        if (auto* list = dynamic_cast<ListBox*>(control)) {
            SendMessageA(hwnd, LB_SETITEMHEIGHT, 0, MAKELPARAM(list->itemHeight(), 0));
        }
        break;
    case Change::ReadOnly:
        if (control->kind() == ControlKind::Edit || control->kind() == ControlKind::Memo) {
            const bool readOnly = control->kind() == ControlKind::Edit ? static_cast<Edit&>(*control).readOnly()
                                                                      : static_cast<Memo&>(*control).readOnly();
            SendMessageA(hwnd, EM_SETREADONLY, readOnly, 0);
        }
        break;
    case Change::MaxLength:
        if (auto* edit = dynamic_cast<Edit*>(control)) {
            SendMessageA(hwnd, EM_LIMITTEXT, static_cast<WPARAM>(edit->maxLength()), 0);
        }
        break;
    case Change::Range:
        if (auto* track = dynamic_cast<TrackBar*>(control)) {
            SendMessageA(hwnd, TBM_SETRANGEMIN, FALSE, track->min());
            SendMessageA(hwnd, TBM_SETRANGEMAX, TRUE, track->max());
            SendMessageA(hwnd, TBM_SETTICFREQ, static_cast<WPARAM>(track->frequency()), 0);
        } else if (auto* bar = dynamic_cast<ProgressBar*>(control)) {
            SendMessageA(hwnd, PBM_SETRANGE32, static_cast<WPARAM>(bar->min()), bar->max());
        }
        break;
    case Change::Position:
        if (auto* track = dynamic_cast<TrackBar*>(control)) {
            SendMessageA(hwnd, TBM_SETPOS, TRUE, track->position());
        } else if (auto* bar = dynamic_cast<ProgressBar*>(control)) {
            SendMessageA(hwnd, PBM_SETPOS, static_cast<WPARAM>(bar->position()), 0);
        }
        break;
    case Change::Picture:
        if (auto* image = dynamic_cast<Image*>(control)) {
            loadPicture(peer, *image);
        }
        break;
    case Change::ActivePage:
        SendMessageA(hwnd, TCM_SETCURSEL, static_cast<WPARAM>(static_cast<PageControl&>(*control).activePageIndex()), 0);
        placeTabSheets(peer);
        break;
    case Change::Style:
        // Styles fixed at creation (word wrap, borders, scroll bars) need a new window; the
        // windows set them before they are attached, so only a repaint is due.
        InvalidateRect(hwnd, nullptr, TRUE);
        break;
    case Change::Hint: syncHint(peer); break;
    case Change::Menu:
    case Change::Timer: break;
    }
}

}  // namespace qm::ui::win32
