// Owner drawing: check lists as users know them, and pictures.
#include "ui/toolkit/toolkit.h"
#include "ui/toolkit/win32/font_cache.h"
#include "ui/toolkit/win32/win32_peer.h"

namespace qm::ui::win32 {

int checkBoxWidth(int itemHeight)
{
    const int box = itemHeight - 2 < 13 ? itemHeight - 2 : 13;
    return box + 4;
}

namespace {

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

}  // namespace

void drawCheckListItem(Win32Peer& peer, const DRAWITEMSTRUCT& item)
{
    auto& list = static_cast<CheckListBox&>(peer.component);
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
    SetTextColor(dc, GetSysColor(!list.enabled() ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    HGDIOBJ old = SelectObject(dc, peer.backend.fonts().get(list.font()));
    const std::string& text = list.item(index);
    TextOutA(dc, textArea.left + 2, textArea.top + 1, text.c_str(), static_cast<int>(text.size()));
    SelectObject(dc, old);
    if (item.itemState & ODS_FOCUS) {
        DrawFocusRect(dc, &textArea);
    }
}

void drawImage(Win32Peer& peer, const DRAWITEMSTRUCT& item)
{
    auto& image = static_cast<Image&>(peer.component);
    HDC dc = item.hDC;
    RECT area = item.rcItem;
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    if (peer.picture == nullptr) {
        return;
    }
    const int areaWidth = area.right - area.left;
    const int areaHeight = area.bottom - area.top;
    if (peer.pictureIsIcon) {
        const int w = image.stretch() ? areaWidth : 32;
        const int h = image.stretch() ? areaHeight : 32;
        const int x = image.center() ? (areaWidth - w) / 2 : 0;
        const int y = image.center() ? (areaHeight - h) / 2 : 0;
        DrawIconEx(dc, x, y, static_cast<HICON>(peer.picture), w, h, 0, nullptr, DI_NORMAL);
        return;
    }
    BITMAP info{};
    GetObjectA(peer.picture, sizeof info, &info);
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, peer.picture);
    const int w = image.stretch() ? areaWidth : info.bmWidth;
    const int h = image.stretch() ? areaHeight : info.bmHeight;
    const int x = image.center() ? (areaWidth - w) / 2 : 0;
    const int y = image.center() ? (areaHeight - h) / 2 : 0;
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, x, y, w, h, source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
}

}  // namespace qm::ui::win32
