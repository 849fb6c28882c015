// A check box: a standard button that the model checks, not the button itself.
#include "ui/toolkit/buttons.h"
#include "ui/toolkit/win32/win32_peer.h"

namespace qm::ui::win32 {

namespace {

class CheckBoxPeer : public ControlPeer {
public:
    using ControlPeer::ControlPeer;
    CheckBox& box() const { return static_cast<CheckBox&>(control()); }

    NativeClass nativeClass() const override { return {"BUTTON", BS_CHECKBOX | BS_MULTILINE | WS_TABSTOP, 0}; }
    void command(WORD code) override
    {
        if (code == BN_CLICKED) {
            box().userToggle();
        }
    }
    void sync(Change what, int index) override
    {
        if (what == Change::Checked) {
            SendMessageA(hwnd, BM_SETCHECK, box().checked() ? BST_CHECKED : BST_UNCHECKED, 0);
            return;
        }
        ControlPeer::sync(what, index);
    }
};

}  // namespace

std::unique_ptr<ControlPeer> makeCheckBoxPeer(Win32Backend& backend, Control& control)
{
    return std::make_unique<CheckBoxPeer>(backend, control);
}

}  // namespace qm::ui::win32
