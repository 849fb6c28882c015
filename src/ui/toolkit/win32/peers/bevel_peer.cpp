// A bevel: only a frame, so it has no window; its parent paints it, and
// whatever lies inside (a picture, say) is neither covered nor left unpainted.
#include "ui/toolkit/containers.h"
#include "ui/toolkit/win32/win32_peer.h"

namespace qm::ui::win32 {

namespace {

class BevelPeer : public ControlPeer {
public:
    using ControlPeer::ControlPeer;
    NativeClass nativeClass() const override { return {}; }
    void paintOnParent(HDC dc) override
    {
        const auto& bevel = static_cast<const Bevel&>(control());
        RECT r{bevel.left(), bevel.top(), bevel.left() + bevel.width(), bevel.top() + bevel.height()};
        DrawEdge(dc, &r, bevel.shape() == BevelShape::Frame ? EDGE_ETCHED : BDR_SUNKENOUTER, BF_RECT);
    }
};

}  // namespace

std::unique_ptr<ControlPeer> makeBevelPeer(Win32Backend& backend, Control& control)
{
    return std::make_unique<BevelPeer>(backend, control);
}

}  // namespace qm::ui::win32
