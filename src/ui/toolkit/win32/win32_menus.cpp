// Menu bars and popup menus built from the model's menu items.
#include "ui/toolkit/toolkit.h"
#include "ui/toolkit/win32/win32_peer.h"

namespace qm::ui::win32 {

namespace {

// A menu item's command id, as long as the item lives.
class MenuItemPeer : public Win32Peer {
public:
    MenuItemPeer(Win32Backend& owningBackend, MenuItem& item)
        : Win32Peer(owningBackend, item), id(owningBackend.registerMenuItem(item))
    {
    }
    ~MenuItemPeer() override { backend.forgetMenuItem(id); }

    const unsigned id;
};

unsigned idOf(Win32Backend& backend, MenuItem& item)
{
    if (auto* peer = dynamic_cast<MenuItemPeer*>(peerOf(item))) {
        return peer->id;
    }
    auto peer = std::make_unique<MenuItemPeer>(backend, item);
    const unsigned id = peer->id;
    item.setPeer(std::move(peer));
    return id;
}

void appendItems(Win32Backend& backend, HMENU menu, const std::vector<MenuItem*>& items)
{
    for (MenuItem* item : items) {
        if (item->isSeparator()) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        UINT flags = MF_STRING | (item->enabled() ? MF_ENABLED : MF_GRAYED) | (item->checked() ? MF_CHECKED : 0);
        if (!item->items().empty()) {
            HMENU sub = CreatePopupMenu();
            appendItems(backend, sub, item->items());
            AppendMenuA(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), item->caption().c_str());
        } else {
            AppendMenuA(menu, flags, idOf(backend, *item), item->caption().c_str());
        }
    }
}

}  // namespace

HMENU buildMenuBar(Win32Backend& backend, Form& form)
{
    HMENU bar = CreateMenu();
    appendItems(backend, bar, form.menu()->items());
    return bar;
}

void rebuildMenuBar(WindowPeer& peer)
{
    auto& formPeer = dynamic_cast<FormPeer&>(peer);
    auto& form = static_cast<Form&>(formPeer.control());
    HMENU old = formPeer.menu;
    formPeer.menu = form.menu() != nullptr ? buildMenuBar(formPeer.backend, form) : nullptr;
    SetMenu(formPeer.hwnd, formPeer.menu);
    if (old != nullptr) {
        DestroyMenu(old);
    }
    DrawMenuBar(formPeer.hwnd);
}

void Win32Backend::popup(PopupMenu& menu, Control* at, int x, int y)
{
    WindowPeer* formPeer = realizedFormPeer(menu.form());
    if (formPeer == nullptr) {
        return;
    }
    POINT point{x, y};
    WindowPeer* atPeer = at != nullptr ? windowPeerOf(*at) : formPeer;
    ClientToScreen(atPeer != nullptr && atPeer->hwnd != nullptr ? atPeer->hwnd : formPeer->hwnd, &point);
    HMENU handle = CreatePopupMenu();
    appendItems(*this, handle, menu.items());
    // The owner must be the foreground window or the menu will not close
    // when the user clicks elsewhere.
    SetForegroundWindow(formPeer->hwnd);
    const UINT id = static_cast<UINT>(TrackPopupMenu(handle, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, point.x,
                                                     point.y, 0, formPeer->hwnd, nullptr));
    DestroyMenu(handle);
    PostMessageA(formPeer->hwnd, WM_NULL, 0, 0);
    if (MenuItem* item = menuItem(id)) {
        item->userClick();
    }
}

}  // namespace qm::ui::win32
