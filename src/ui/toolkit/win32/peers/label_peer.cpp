// A label: a static text.
#include "ui/toolkit/text_controls.h"
#include "ui/toolkit/win32/win32_peer.h"

namespace qm::ui::win32 {

namespace {

class LabelPeer : public ControlPeer {
public:
    using ControlPeer::ControlPeer;
    NativeClass nativeClass() const override
    {
        return {"STATIC", DWORD(static_cast<Label&>(control()).wordWrap() ? SS_LEFT : SS_LEFTNOWORDWRAP), 0};
    }
};

}  // namespace

std::unique_ptr<ControlPeer> makeLabelPeer(Win32Backend& backend, Control& control)
{
    return std::make_unique<LabelPeer>(backend, control);
}

}  // namespace qm::ui::win32
