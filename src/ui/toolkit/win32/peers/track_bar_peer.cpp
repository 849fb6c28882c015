// A track bar: the common control, moved by the user or the model.
#include "ui/toolkit/range_controls.h"
#include "ui/toolkit/win32/win32_peer.h"

#include <commctrl.h>

namespace qm::ui::win32 {

namespace {

class TrackBarPeer : public ControlPeer {
public:
    using ControlPeer::ControlPeer;
    TrackBar& track() const { return static_cast<TrackBar&>(control()); }

    NativeClass nativeClass() const override { return {TRACKBAR_CLASSA, TBS_HORZ | TBS_AUTOTICKS | tabStopStyle(), 0}; }
    void scrolled() override { track().userSetPosition(static_cast<int>(SendMessageA(hwnd, TBM_GETPOS, 0, 0))); }
    void sync(Change what, int index) override
    {
        const TrackBar& t = track();
        Changing changing(*this);
        switch (what) {
        case Change::Range:
            SendMessageA(hwnd, TBM_SETRANGEMIN, FALSE, t.min());
            SendMessageA(hwnd, TBM_SETRANGEMAX, TRUE, t.max());
            SendMessageA(hwnd, TBM_SETTICFREQ, static_cast<WPARAM>(t.frequency()), 0);
            break;
        case Change::Position: SendMessageA(hwnd, TBM_SETPOS, TRUE, t.position()); break;
        default: ControlPeer::sync(what, index); break;
        }
    }
};

}  // namespace

std::unique_ptr<ControlPeer> makeTrackBarPeer(Win32Backend& backend, Control& control)
{
    return std::make_unique<TrackBarPeer>(backend, control);
}

}  // namespace qm::ui::win32
