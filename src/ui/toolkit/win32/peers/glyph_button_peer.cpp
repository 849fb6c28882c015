// Bit buttons and speed buttons: owner-drawn buttons with a small picture
// beside or instead of the caption, drawn with GDI calls every Windows since
// 95 has, so they look alike everywhere.
#include "ui/toolkit/buttons.h"
#include "ui/toolkit/win32/font_cache.h"
#include "ui/toolkit/win32/win32_peer.h"

namespace qm::ui::win32 {

namespace {

constexpr int kGlyphSize = 16;

class Pen {
public:
    Pen(HDC dc, COLORREF colour, int width) : dc_(dc), pen_(CreatePen(PS_SOLID, width, colour)), old_(SelectObject(dc, pen_)) {}
    ~Pen()
    {
        SelectObject(dc_, old_);
        DeleteObject(pen_);
    }
    Pen(const Pen&) = delete;
    Pen& operator=(const Pen&) = delete;

private:
    HDC dc_;
    HPEN pen_;
    HGDIOBJ old_;
};

void line(HDC dc, int x1, int y1, int x2, int y2)
{
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

void drawGlyph(HDC dc, FontCache& fonts, Glyph glyph, int x, int y, bool enabled)
{
    const COLORREF grey = GetSysColor(COLOR_GRAYTEXT);
    switch (glyph) {
    case Glyph::None: break;
    case Glyph::Tick: {
        Pen pen(dc, enabled ? RGB(0, 128, 0) : grey, 2);
        const POINT tick[3] = {{x + 3, y + 8}, {x + 6, y + 11}, {x + 13, y + 3}};
        Polyline(dc, tick, 3);
        break;
    }
    case Glyph::Cross: {
        Pen pen(dc, enabled ? RGB(192, 0, 0) : grey, 2);
        line(dc, x + 4, y + 4, x + 12, y + 12);
        line(dc, x + 12, y + 4, x + 4, y + 12);
        break;
    }
    case Glyph::NoEntry: {
        Pen pen(dc, enabled ? RGB(192, 0, 0) : grey, 2);
        HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
        Ellipse(dc, x + 2, y + 2, x + 15, y + 15);
        SelectObject(dc, oldBrush);
        line(dc, x + 5, y + 12, x + 12, y + 5);
        break;
    }
    case Glyph::Question: {
        Font font{"Arial", 0, 15, true, false};
        HGDIOBJ oldFont = SelectObject(dc, fonts.get(font));
        SetTextColor(dc, enabled ? RGB(0, 0, 160) : grey);
        RECT r{x, y, x + kGlyphSize, y + kGlyphSize};
        DrawTextA(dc, "?", 1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        SelectObject(dc, oldFont);
        break;
    }
    case Glyph::Folder: {
        Pen pen(dc, enabled ? RGB(128, 96, 0) : grey, 1);
        HBRUSH fill = CreateSolidBrush(enabled ? RGB(248, 208, 96) : GetSysColor(COLOR_BTNFACE));
        HGDIOBJ oldBrush = SelectObject(dc, fill);
        const POINT folder[6] = {{x + 1, y + 3}, {x + 6, y + 3}, {x + 8, y + 5}, {x + 14, y + 5}, {x + 14, y + 13}, {x + 1, y + 13}};
        Polygon(dc, folder, 6);
        line(dc, x + 1, y + 6, x + 14, y + 6);
        SelectObject(dc, oldBrush);
        DeleteObject(fill);
        break;
    }
    }
}

class GlyphButtonPeer : public ControlPeer {
public:
    using ControlPeer::ControlPeer;
    Button& button() const { return static_cast<Button&>(control()); }
    bool speed() const { return control().kind() == ControlKind::SpeedButton; }

    NativeClass nativeClass() const override { return {"BUTTON", BS_OWNERDRAW, 0}; }
    void command(WORD code) override
    {
        if (code == BN_CLICKED) {
            button().userClick();
        }
    }
    void sync(Change what, int index) override
    {
        if (what == Change::Picture) {
            invalidate();
            return;
        }
        ControlPeer::sync(what, index);
        if (what == Change::Caption) {
            invalidate();
        }
    }
    bool message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override
    {
        switch (msg) {
        case WM_GETDLGCODE: {
            // Enter on a focused button presses it, as on a standard one;
            // elsewhere it presses the default button.
            const auto* keys = reinterpret_cast<const MSG*>(lp);
            const bool enter = keys != nullptr && keys->message == WM_KEYDOWN && keys->wParam == VK_RETURN;
            result = DLGC_BUTTON | (enter ? DLGC_WANTMESSAGE : 0);
            return true;
        }
        case WM_KEYDOWN:
            if (wp == VK_RETURN) {
                button().userClick();
                result = 0;
                return true;
            }
            break;
        case BM_SETSTYLE:
            // The dialog keys move the default look between push buttons this
            // way; on an owner-drawn button it would turn the drawing off.
            result = 0;
            return true;
        default: break;
        }
        return ControlPeer::message(msg, wp, lp, result);
    }

    void drawItem(const DRAWITEMSTRUCT& item) override
    {
        const Button& b = button();
        HDC dc = item.hDC;
        RECT r = item.rcItem;
        const bool pressed = (item.itemState & ODS_SELECTED) != 0;
        const bool focused = (item.itemState & ODS_FOCUS) != 0;
        const bool enabled = (item.itemState & ODS_DISABLED) == 0;
        if (!speed() && (b.isDefault() || focused)) {
            FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
            InflateRect(&r, -1, -1);
        }
        DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));

        HGDIOBJ oldFont = SelectObject(dc, backend.fonts().get(b.font()));
        const std::string& text = b.caption();
        RECT measure{0, 0, 0, 0};
        if (!text.empty()) {
            DrawTextA(dc, text.c_str(), -1, &measure, DT_SINGLELINE | DT_CALCRECT);
        }
        const int glyph = b.glyph() != Glyph::None ? kGlyphSize : 0;
        const int gap = glyph > 0 && !text.empty() ? 4 : 0;
        const int shift = pressed ? 1 : 0;
        int x = r.left + (r.right - r.left - (glyph + gap + measure.right)) / 2 + shift;
        const int middle = (r.top + r.bottom) / 2 + shift;
        SetBkMode(dc, TRANSPARENT);
        if (glyph > 0) {
            drawGlyph(dc, backend.fonts(), b.glyph(), x, middle - kGlyphSize / 2, enabled);
            x += glyph + gap;
        }
        if (!text.empty()) {
            SetTextColor(dc, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
            RECT area{x, middle - measure.bottom / 2, x + measure.right, middle - measure.bottom / 2 + measure.bottom};
            DrawTextA(dc, text.c_str(), -1, &area, DT_SINGLELINE | DT_LEFT);
        }
        SelectObject(dc, oldFont);
        if (focused) {
            InflateRect(&r, speed() ? -2 : -3, speed() ? -2 : -3);
            DrawFocusRect(dc, &r);
        }
    }
};

}  // namespace

std::unique_ptr<ControlPeer> makeGlyphButtonPeer(Win32Backend& backend, Control& control)
{
    return std::make_unique<GlyphButtonPeer>(backend, control);
}

}  // namespace qm::ui::win32
