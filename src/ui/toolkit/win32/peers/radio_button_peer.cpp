// A radio button: a standard button that the model checks; the model also
// clears its siblings.
#include "ui/toolkit/buttons.h"
#include "ui/toolkit/win32/win32_peer.h"

namespace qm::ui::win32 {

namespace {

class RadioButtonPeer : public ControlPeer {
public:
    using ControlPeer::ControlPeer;
    RadioButton& radio() const { return static_cast<RadioButton&>(control()); }

    NativeClass nativeClass() const override { return {"BUTTON", BS_RADIOBUTTON | BS_MULTILINE | WS_TABSTOP, 0}; }
    void command(WORD code) override
    {
        if (code == BN_CLICKED) {
            radio().userCheck();
        }
    }
    void sync(Change what, int index) override
    {
        if (what == Change::Checked) {
            SendMessageA(hwnd, BM_SETCHECK, radio().checked() ? BST_CHECKED : BST_UNCHECKED, 0);
            return;
        }
        ControlPeer::sync(what, index);
    }
};

}  // namespace

std::unique_ptr<ControlPeer> makeRadioButtonPeer(Win32Backend& backend, Control& control)
{
    return std::make_unique<RadioButtonPeer>(backend, control);
}

}  // namespace qm::ui::win32
