// A multi-line text: an edit control whose wrapping, scroll bars and border
// are fixed when it is made.
#include "ui/toolkit/text_controls.h"
#include "ui/toolkit/win32/win32_peer.h"

namespace qm::ui::win32 {

namespace {

class MemoPeer : public ControlPeer {
public:
    using ControlPeer::ControlPeer;
    Memo& memo() const { return static_cast<Memo&>(control()); }

    NativeClass nativeClass() const override
    {
        const Memo& m = memo();
        DWORD style = ES_MULTILINE | ES_AUTOVSCROLL;
        style |= m.readOnly() ? ES_READONLY : ES_WANTRETURN;
        if (!m.wordWrap()) {
            style |= ES_AUTOHSCROLL;
        }
        if (m.scrollBars() == ScrollBars::Vertical || m.scrollBars() == ScrollBars::Both) {
            style |= WS_VSCROLL;
        }
        if (m.scrollBars() == ScrollBars::Horizontal || m.scrollBars() == ScrollBars::Both) {
            style |= WS_HSCROLL;
        }
        return {"EDIT", style, DWORD(m.bordered() ? WS_EX_CLIENTEDGE : 0)};
    }
    void command(WORD code) override
    {
        if (code == EN_CHANGE) {
            memo().userSetText(windowText(hwnd));
        }
    }
    void sync(Change what, int index) override
    {
        switch (what) {
        case Change::Caption: setText(memo().text()); break;
        case Change::ReadOnly:
            SendMessageA(hwnd, EM_SETREADONLY, memo().readOnly(), 0);
            syncTabStop();
            break;
        case Change::Style: invalidate(); break;
        default: ControlPeer::sync(what, index); break;
        }
    }
    bool message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override
    {
        if (msg != WM_GETDLGCODE) {
            return ControlPeer::message(msg, wp, lp, result);
        }
        // A multi-line edit asks for every key, and inside a window that is no
        // dialog it does nothing useful with Tab, Escape or (read-only) Enter:
        // those go to the window's own keys (next control, Cancel, the
        // default button).
        result = CallWindowProcA(oldProc, hwnd, msg, wp, lp);
        const auto* keys = reinterpret_cast<const MSG*>(lp);
        if (keys != nullptr && keys->message == WM_KEYDOWN &&
            (keys->wParam == VK_TAB || keys->wParam == VK_ESCAPE || (keys->wParam == VK_RETURN && memo().readOnly()))) {
            result &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS);
        }
        return true;
    }
    HBRUSH background(HDC dc) override
    {
        if (!memo().parentColor()) {
            return nullptr;
        }
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return GetSysColorBrush(COLOR_BTNFACE);
    }
};

}  // namespace

std::unique_ptr<ControlPeer> makeMemoPeer(Win32Backend& backend, Control& control)
{
    return std::make_unique<MemoPeer>(backend, control);
}

}  // namespace qm::ui::win32
