// A push button: the standard button control.
#include "ui/toolkit/buttons.h"
#include "ui/toolkit/win32/win32_peer.h"

namespace qm::ui::win32 {

namespace {

class ButtonPeer : public ControlPeer {
public:
    using ControlPeer::ControlPeer;
    Button& button() const { return static_cast<Button&>(control()); }

    NativeClass nativeClass() const override
    {
        return {"BUTTON", DWORD(button().isDefault() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | tabStopStyle(), 0};
    }
    void command(WORD code) override
    {
        if (code == BN_CLICKED) {
            button().userClick();
        }
    }
};

}  // namespace

std::unique_ptr<ControlPeer> makeButtonPeer(Win32Backend& backend, Control& control)
{
    return std::make_unique<ButtonPeer>(backend, control);
}

}  // namespace qm::ui::win32
