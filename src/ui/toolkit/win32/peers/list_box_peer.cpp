#include "ui/toolkit/win32/peers/list_box_peer.h"

#include <numeric>

namespace qm::ui::win32 {

ControlPeer::NativeClass ListBoxPeer::nativeClass() const
{
    return {"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL, WS_EX_CLIENTEDGE};
}

void ListBoxPeer::command(WORD code)
{
    const int index = static_cast<int>(SendMessageA(hwnd, LB_GETCURSEL, 0, 0));
    if (code == LBN_SELCHANGE) {
        list().userSelect(index);
    } else if (code == LBN_DBLCLK) {
        list().userDoubleClick(index);
    }
}

int ListBoxPeer::itemAtPoint(int x, int y) const
{
    const LRESULT hit = SendMessageA(hwnd, LB_ITEMFROMPOINT, 0, MAKELPARAM(x, y));
    return HIWORD(hit) == 0 ? static_cast<int>(LOWORD(hit)) : -1;
}

int ListBoxPeer::topIndex() const { return static_cast<int>(SendMessageA(hwnd, LB_GETTOPINDEX, 0, 0)); }

void ListBoxPeer::setTopIndex(int index) { SendMessageA(hwnd, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0); }

void ListBoxPeer::invalidateRow(int index) const
{
    RECT row;
    if (SendMessageA(hwnd, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&row)) != LB_ERR) {
        InvalidateRect(hwnd, &row, FALSE);
    }
}

void ListBoxPeer::setRedraw(bool on)
{
    SendMessageA(hwnd, WM_SETREDRAW, on, 0);
    if (on) {
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

void ListBoxPeer::restore(int top)
{
    const ListBox& l = list();
    if (SendMessageA(hwnd, LB_GETCURSEL, 0, 0) != l.itemIndex()) {
        SendMessageA(hwnd, LB_SETCURSEL, static_cast<WPARAM>(l.itemIndex()), 0);
    }
    if (top < l.count() && topIndex() != top) {
        setTopIndex(top);
    }
}

void ListBoxPeer::refill()
{
    const ListBox& l = list();
    const int top = topIndex();
    if (!l.updating()) {
        setRedraw(false);
    }
    SendMessageA(hwnd, LB_RESETCONTENT, 0, 0);
    const auto texts = l.items();
    const std::size_t bytes =
        std::accumulate(texts.begin(), texts.end(), std::size_t{0}, [](std::size_t n, const std::string& t) {
            return n + t.size() + 1;
        });
    SendMessageA(hwnd, LB_INITSTORAGE, texts.size(), static_cast<LPARAM>(bytes));
    for (const std::string& text : texts) {
        SendMessageA(hwnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    restore(top < l.count() ? top : (l.count() > 0 ? l.count() - 1 : 0));
    if (!l.updating()) {
        setRedraw(true);
    }
}

void ListBoxPeer::sync(Change what, int index)
{
    const ListBox& l = list();
    Changing changing(*this);
    switch (what) {
    case Change::Items: refill(); break;
    case Change::ItemInserted:
    case Change::ItemRemoved:
    case Change::ItemText: {
        // During an update the selection and scroll position are put right once, at the end.
        const int top = l.updating() ? -1 : topIndex();
        if (what != Change::ItemInserted) {
            SendMessageA(hwnd, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
        }
        if (what != Change::ItemRemoved) {
            SendMessageA(hwnd, LB_INSERTSTRING, static_cast<WPARAM>(index),
                         reinterpret_cast<LPARAM>(l.item(index).c_str()));
        }
        if (top >= 0) {
            restore(top);
            // The rows in view are other items now, but a list redraws only
            // from the changed row on, if that row is in view.
            if (index < top) {
                InvalidateRect(hwnd, nullptr, TRUE);
            }
        }
        break;
    }
    case Change::UpdateBegin:
        topBeforeUpdate_ = topIndex();
        setRedraw(false);
        break;
    case Change::UpdateEnd:
        restore(topBeforeUpdate_ < l.count() ? topBeforeUpdate_ : (l.count() > 0 ? l.count() - 1 : 0));
        setRedraw(true);
        break;
    case Change::ItemIndex: SendMessageA(hwnd, LB_SETCURSEL, static_cast<WPARAM>(l.itemIndex()), 0); break;
    case Change::ItemChecked: invalidateRow(index); break;
    case Change::ItemHeight: SendMessageA(hwnd, LB_SETITEMHEIGHT, 0, MAKELPARAM(l.itemHeight(), 0)); break;
    default: ControlPeer::sync(what, index); break;
    }
}

int listItemAtPoint(WindowPeer& peer, int x, int y)
{
    auto* list = dynamic_cast<ListBoxPeer*>(&peer);
    return list != nullptr ? list->itemAtPoint(x, y) : -1;
}

int listTopIndex(WindowPeer& peer)
{
    auto* list = dynamic_cast<ListBoxPeer*>(&peer);
    return list != nullptr ? list->topIndex() : 0;
}

void listSetTopIndex(WindowPeer& peer, int index)
{
    if (auto* list = dynamic_cast<ListBoxPeer*>(&peer)) {
        list->setTopIndex(index);
    }
}

std::unique_ptr<ControlPeer> makeListBoxPeer(Win32Backend& backend, Control& control)
{
    return std::make_unique<ListBoxPeer>(backend, control);
}

}  // namespace qm::ui::win32
