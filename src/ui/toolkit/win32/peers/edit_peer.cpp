// A one-line edit.
#include "ui/toolkit/text_controls.h"
#include "ui/toolkit/win32/win32_peer.h"

namespace qm::ui::win32 {

namespace {

class EditPeer : public ControlPeer {
public:
    using ControlPeer::ControlPeer;
    Edit& edit() const { return static_cast<Edit&>(control()); }

    NativeClass nativeClass() const override
    {
        return {"EDIT", ES_AUTOHSCROLL | tabStopStyle() | DWORD(edit().readOnly() ? ES_READONLY : 0), WS_EX_CLIENTEDGE};
    }
    void command(WORD code) override
    {
        if (code == EN_CHANGE) {
            edit().userSetText(windowText(hwnd));
        }
    }
    void sync(Change what, int index) override
    {
        switch (what) {
        case Change::Caption: setText(edit().text()); break;
        case Change::ReadOnly: SendMessageA(hwnd, EM_SETREADONLY, edit().readOnly(), 0); break;
        case Change::MaxLength: SendMessageA(hwnd, EM_LIMITTEXT, static_cast<WPARAM>(edit().maxLength()), 0); break;
        default: ControlPeer::sync(what, index); break;
        }
    }
};

}  // namespace

std::unique_ptr<ControlPeer> makeEditPeer(Win32Backend& backend, Control& control)
{
    return std::make_unique<EditPeer>(backend, control);
}

}  // namespace qm::ui::win32
