// A panel: a container of ours with a raised, lowered or no edge, and its
// caption drawn in the middle.
#include "ui/toolkit/containers.h"
#include "ui/toolkit/win32/font_cache.h"
#include "ui/toolkit/win32/win32_peer.h"

namespace qm::ui::win32 {

namespace {

class PanelPeer : public ContainerPeer {
public:
    using ContainerPeer::ContainerPeer;
    Panel& panel() const { return static_cast<Panel&>(control()); }

    NativeClass nativeClass() const override
    {
        return {kContainerClass, WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT | edge()};
    }
    void sync(Change what, int index) override
    {
        switch (what) {
        case Change::Caption: invalidate(); break;
        case Change::Style:
            // The edge is part of the frame, which a live window can change.
            SetWindowLongPtrA(hwnd, GWL_EXSTYLE, static_cast<LONG_PTR>(WS_EX_CONTROLPARENT | edge()));
            SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
            break;
        default: ContainerPeer::sync(what, index); break;
        }
    }

protected:
    void paintExtras(HDC dc) override
    {
        const Panel& p = panel();
        if (p.caption().empty()) {
            return;
        }
        RECT r;
        GetClientRect(hwnd, &r);
        HGDIOBJ old = SelectObject(dc, backend.fonts().get(p.font()));
        SetBkMode(dc, TRANSPARENT);
        DrawTextA(dc, p.caption().c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        SelectObject(dc, old);
    }

private:
    DWORD edge() const
    {
        switch (panel().bevelOuter()) {
        case BevelCut::Lowered: return WS_EX_STATICEDGE;
        case BevelCut::Raised: return WS_EX_WINDOWEDGE | WS_EX_DLGMODALFRAME;
        case BevelCut::None: break;
        }
        return 0;
    }
};

}  // namespace

std::unique_ptr<ControlPeer> makePanelPeer(Win32Backend& backend, Control& control)
{
    return std::make_unique<PanelPeer>(backend, control);
}

}  // namespace qm::ui::win32
