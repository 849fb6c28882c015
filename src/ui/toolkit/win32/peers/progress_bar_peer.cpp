// A progress bar: the common control.
#include "ui/toolkit/range_controls.h"
#include "ui/toolkit/win32/win32_peer.h"

#include <commctrl.h>

namespace qm::ui::win32 {

namespace {

class ProgressBarPeer : public ControlPeer {
public:
    using ControlPeer::ControlPeer;
    ProgressBar& bar() const { return static_cast<ProgressBar&>(control()); }

    NativeClass nativeClass() const override { return {PROGRESS_CLASSA, 0, 0}; }
    void sync(Change what, int index) override
    {
        switch (what) {
        case Change::Range: SendMessageA(hwnd, PBM_SETRANGE32, static_cast<WPARAM>(bar().min()), bar().max()); break;
        case Change::Position: SendMessageA(hwnd, PBM_SETPOS, static_cast<WPARAM>(bar().position()), 0); break;
        default: ControlPeer::sync(what, index); break;
        }
    }
};

}  // namespace

std::unique_ptr<ControlPeer> makeProgressBarPeer(Win32Backend& backend, Control& control)
{
    return std::make_unique<ProgressBarPeer>(backend, control);
}

}  // namespace qm::ui::win32
