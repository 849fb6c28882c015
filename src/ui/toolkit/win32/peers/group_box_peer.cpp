// A group box: a container of ours holding a standard group frame, so the
// controls inside are its children. A radio group is a group box whose
// radio buttons it makes itself from the model's items.
#include "ui/toolkit/containers.h"
#include "ui/toolkit/lists.h"
#include "ui/toolkit/win32/font_cache.h"
#include "ui/toolkit/win32/win32_peer.h"

#include <vector>

namespace qm::ui::win32 {

namespace {

class GroupBoxPeer : public ContainerPeer {
public:
    using ContainerPeer::ContainerPeer;

    NativeClass nativeClass() const override { return {kContainerClass, WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT}; }
    void created() override
    {
        const Control& c = control();
        frame_ = CreateWindowExA(0, "BUTTON", c.caption().c_str(), WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 0, 0,
                                 c.width(), c.height(), hwnd, nullptr, instance(), nullptr);
        SendMessageA(frame_, WM_SETFONT, reinterpret_cast<WPARAM>(backend.fonts().get(c.font())), FALSE);
    }
    void sync(Change what, int index) override
    {
        const Control& c = control();
        switch (what) {
        case Change::Caption: SetWindowTextA(frame_, c.caption().c_str()); break;
        case Change::Bounds:
            ContainerPeer::sync(what, index);
            MoveWindow(frame_, 0, 0, c.width(), c.height(), TRUE);
            break;
        case Change::Font:
            ContainerPeer::sync(what, index);
            SendMessageA(frame_, WM_SETFONT, reinterpret_cast<WPARAM>(backend.fonts().get(c.font())), TRUE);
            break;
        default: ContainerPeer::sync(what, index); break;
        }
    }

private:
    HWND frame_ = nullptr;
};

class RadioGroupPeer : public GroupBoxPeer {
public:
    using GroupBoxPeer::GroupBoxPeer;
    RadioGroup& group() const { return static_cast<RadioGroup&>(control()); }

    void sync(Change what, int index) override
    {
        switch (what) {
        case Change::Items: makeRadios(); break;
        case Change::ItemIndex:
            for (std::size_t i = 0; i < radios_.size(); ++i) {
                const bool checked = static_cast<int>(i) == group().itemIndex();
                SendMessageA(radios_[i], BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
                // Tab comes to the group at its checked item.
                const LONG_PTR style = GetWindowLongPtrA(radios_[i], GWL_STYLE);
                SetWindowLongPtrA(radios_[i], GWL_STYLE,
                                  checked ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP)));
            }
            break;
        case Change::Bounds:
            GroupBoxPeer::sync(what, index);
            layout();
            break;
        case Change::Font:
            GroupBoxPeer::sync(what, index);
            for (HWND radio : radios_) {
                SendMessageA(radio, WM_SETFONT, reinterpret_cast<WPARAM>(backend.fonts().get(control().font())), TRUE);
            }
            break;
        default: GroupBoxPeer::sync(what, index); break;
        }
    }
    void commandFromChild(HWND child, WORD code) override
    {
        for (std::size_t i = 0; code == BN_CLICKED && i < radios_.size(); ++i) {
            if (radios_[i] == child) {
                group().userSelect(static_cast<int>(i));
            }
        }
    }

private:
    void makeRadios()
    {
        for (HWND radio : radios_) {
            DestroyWindow(radio);
        }
        radios_.clear();
        HFONT font = backend.fonts().get(control().font());
        const auto& items = group().items();
        for (std::size_t i = 0; i < items.size(); ++i) {
            const DWORD style = WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON | (i == 0 ? WS_GROUP : 0);
            HWND radio = CreateWindowExA(0, "BUTTON", items[i].c_str(), style, 0, 0, 10, 10, hwnd,
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(i + 1)), instance(), nullptr);
            SendMessageA(radio, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
            radios_.push_back(radio);
        }
        layout();
        sync(Change::ItemIndex, -1);
    }

    void layout()
    {
        const RadioGroup& g = group();
        const int count = static_cast<int>(radios_.size());
        if (count == 0) {
            return;
        }
        const int columns = g.columns();
        const int rows = (count + columns - 1) / columns;
        const int top = 16;
        const int rowHeight = (g.height() - top - 4) / rows;
        const int columnWidth = (g.width() - 16) / columns;
        for (int i = 0; i < count; ++i) {
            MoveWindow(radios_[static_cast<std::size_t>(i)], 8 + (i / rows) * columnWidth, top + (i % rows) * rowHeight,
                       columnWidth - 4, rowHeight > 17 ? 17 : rowHeight, TRUE);
        }
    }

    std::vector<HWND> radios_;
};

}  // namespace

std::unique_ptr<ControlPeer> makeGroupBoxPeer(Win32Backend& backend, Control& control)
{
    return std::make_unique<GroupBoxPeer>(backend, control);
}

std::unique_ptr<ControlPeer> makeRadioGroupPeer(Win32Backend& backend, Control& control)
{
    return std::make_unique<RadioGroupPeer>(backend, control);
}

}  // namespace qm::ui::win32
