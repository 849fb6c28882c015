// Check boxes and radio buttons: standard buttons that the model checks, not
// the buttons themselves (the model also clears a radio button's siblings).
#include "ui/toolkit/buttons.h"
#include "ui/toolkit/win32/win32_peer.h"

namespace qm::ui::win32 {

namespace {

template <class Model, DWORD kStyle, void (Model::*kClick)()>
class CheckablePeer : public ControlPeer {
public:
    using ControlPeer::ControlPeer;
    Model& model() const { return static_cast<Model&>(control()); }

    NativeClass nativeClass() const override { return {"BUTTON", kStyle | BS_MULTILINE, 0}; }
    void command(WORD code) override
    {
        if (code == BN_CLICKED) {
            (model().*kClick)();
        }
    }
    void sync(Change what, int index) override
    {
        if (what == Change::Checked) {
            SendMessageA(hwnd, BM_SETCHECK, model().checked() ? BST_CHECKED : BST_UNCHECKED, 0);
            // A radio button is a tab stop only while it is checked.
            syncTabStop();
            return;
        }
        ControlPeer::sync(what, index);
    }
};

}  // namespace

std::unique_ptr<ControlPeer> makeCheckBoxPeer(Win32Backend& backend, Control& control)
{
    return std::make_unique<CheckablePeer<CheckBox, BS_CHECKBOX, &CheckBox::userToggle>>(backend, control);
}

std::unique_ptr<ControlPeer> makeRadioButtonPeer(Win32Backend& backend, Control& control)
{
    return std::make_unique<CheckablePeer<RadioButton, BS_RADIOBUTTON, &RadioButton::userCheck>>(backend, control);
}

}  // namespace qm::ui::win32
