// A check list: an owner-drawn list box whose rows draw their marks from the
// model, in a fixed-pitch font. A click on a row's box or the space key
// toggles the mark.
#include "ui/toolkit/win32/font_cache.h"
#include "ui/toolkit/win32/peers/list_box_peer.h"

#include <windowsx.h>

namespace qm::ui::win32 {

namespace {

int checkBoxWidth(int itemHeight)
{
    const int box = itemHeight - 2 < 13 ? itemHeight - 2 : 13;
    return box + 4;
}

// A flat check box: a framed white square with a tick. Drawn by hand with
// GDI calls every Windows since 95 has.
void drawCheckBox(HDC dc, RECT box, bool checked, bool enabled)
{
    FillRect(dc, &box, GetSysColorBrush(enabled ? COLOR_WINDOW : COLOR_BTNFACE));
    FrameRect(dc, &box, GetSysColorBrush(COLOR_BTNSHADOW));
    if (!checked) {
        return;
    }
    HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    HGDIOBJ old = SelectObject(dc, pen);
    const int size = box.right - box.left;
    const int x = box.left + (size - 7) / 2;
    const int y = box.top + (size - 7) / 2 + 2;
    // Three strokes, one pixel apart, make the tick three pixels thick.
    for (int i = 0; i < 3; ++i) {
        const POINT tick[3] = {{x, y + i}, {x + 2, y + 2 + i}, {x + 7, y - 3 + i}};
        Polyline(dc, tick, 3);
    }
    SelectObject(dc, old);
    DeleteObject(pen);
}

class CheckListBoxPeer : public ListBoxPeer {
public:
    using ListBoxPeer::ListBoxPeer;
    CheckListBox& checkList() const { return static_cast<CheckListBox&>(control()); }

    NativeClass nativeClass() const override
    {
        NativeClass native = ListBoxPeer::nativeClass();
        native.style |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
        return native;
    }

    void drawItem(const DRAWITEMSTRUCT& item) override
    {
        const CheckListBox& list = checkList();
        HDC dc = item.hDC;
        RECT row = item.rcItem;
        if (item.itemID == static_cast<UINT>(-1) || static_cast<int>(item.itemID) >= list.count()) {
            if (item.itemState & ODS_FOCUS) {
                DrawFocusRect(dc, &row);
            }
            return;
        }
        const int index = static_cast<int>(item.itemID);
        const int boxWidth = checkBoxWidth(list.itemHeight());

        RECT boxArea = row;
        boxArea.right = row.left + boxWidth;
        FillRect(dc, &boxArea, GetSysColorBrush(COLOR_WINDOW));
        const int size = boxWidth - 4;
        RECT box{row.left + 2, row.top + (row.bottom - row.top - size) / 2, 0, 0};
        box.right = box.left + size;
        box.bottom = box.top + size;
        drawCheckBox(dc, box, list.checked(index), list.enabled());

        RECT textArea = row;
        textArea.left = boxArea.right;
        const bool selected = (item.itemState & ODS_SELECTED) != 0;
        FillRect(dc, &textArea, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc,
                     GetSysColor(!list.enabled() ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        HGDIOBJ old = SelectObject(dc, backend.fonts().get(list.font()));
        const std::string& text = list.item(index);
        // Centred on the row: a face as tall as the row (Fixedsys) would
        // otherwise lose its bottom line, and with it every underscore.
        TEXTMETRICA metrics{};
        GetTextMetricsA(dc, &metrics);
        const int spare = static_cast<int>(textArea.bottom - textArea.top) - static_cast<int>(metrics.tmHeight);
        TextOutA(dc, textArea.left + 2, textArea.top + (spare > 0 ? spare / 2 : 0), text.c_str(),
                 static_cast<int>(text.size()));
        SelectObject(dc, old);
        if (item.itemState & ODS_FOCUS) {
            DrawFocusRect(dc, &textArea);
        }
    }

    bool message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override
    {
        CheckListBox& list = checkList();
        switch (msg) {
        case WM_LBUTTONDOWN:
            result = CallWindowProcA(oldProc, hwnd, msg, wp, lp);
            if (list.enabled()) {
                toggleAt(lp);
            }
            list.userMouseDown(MouseButton::Left, GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
            return true;
        case WM_LBUTTONDBLCLK:
            // A quick second click on a check box is a second toggle, not a double-click.
            if (list.enabled() && GET_X_LPARAM(lp) < checkBoxWidth(list.itemHeight())) {
                toggleAt(lp);
                result = 0;
                return true;
            }
            break;
        case WM_KEYDOWN:
            if (wp == VK_SPACE) {
                // With no row selected yet (the list has just taken the
                // keyboard), Space selects and marks the row with the focus
                // frame, as a check list does.
                if (list.itemIndex() < 0) {
                    const int caret = static_cast<int>(SendMessageA(hwnd, LB_GETCARETINDEX, 0, 0));
                    if (caret >= 0 && caret < list.count()) {
                        list.userSelect(caret);
                    }
                }
                list.userToggleCheck(list.itemIndex());
                result = 0;
                return true;
            }
            break;
        case WM_CHAR:
            if (wp == ' ') {
                result = 0;
                return true;
            }
            break;
        default: break;
        }
        return ListBoxPeer::message(msg, wp, lp, result);
    }

private:
    void toggleAt(LPARAM lp)
    {
        const LRESULT hit = SendMessageA(hwnd, LB_ITEMFROMPOINT, 0, lp);
        if (HIWORD(hit) == 0 && GET_X_LPARAM(lp) < checkBoxWidth(checkList().itemHeight())) {
            checkList().userToggleCheck(LOWORD(hit));
        }
    }
};

}  // namespace

std::unique_ptr<ControlPeer> makeCheckListBoxPeer(Win32Backend& backend, Control& control)
{
    return std::make_unique<CheckListBoxPeer>(backend, control);
}

}  // namespace qm::ui::win32
