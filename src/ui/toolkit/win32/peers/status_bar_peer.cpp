// A status bar with one simple panel of plain text.
#include "ui/toolkit/range_controls.h"
#include "ui/toolkit/win32/win32_peer.h"

#include <commctrl.h>

namespace qm::ui::win32 {

namespace {

class StatusBarPeer : public ControlPeer {
public:
    using ControlPeer::ControlPeer;
    NativeClass nativeClass() const override
    {
        // The model places it, as any other control.
        return {STATUSCLASSNAMEA, CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER, 0};
    }
    void created() override { SendMessageA(hwnd, SB_SIMPLE, TRUE, 0); }
    void sync(Change what, int index) override
    {
        if (what == Change::Caption) {
            SendMessageA(hwnd, SB_SETTEXTA, 255, reinterpret_cast<LPARAM>(control().caption().c_str()));
            return;
        }
        ControlPeer::sync(what, index);
    }
};

}  // namespace

std::unique_ptr<ControlPeer> makeStatusBarPeer(Win32Backend& backend, Control& control)
{
    return std::make_unique<StatusBarPeer>(backend, control);
}

}  // namespace qm::ui::win32
