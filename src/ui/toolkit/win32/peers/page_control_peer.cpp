// A page control: the common tab control with one container of ours per tab
// sheet, of which only the active one is shown.
#include "ui/toolkit/containers.h"
#include "ui/toolkit/win32/win32_peer.h"

#include <commctrl.h>

namespace qm::ui::win32 {

namespace {

class PageControlPeer : public ControlPeer {
public:
    using ControlPeer::ControlPeer;
    PageControl& pages() const { return static_cast<PageControl&>(control()); }

    NativeClass nativeClass() const override
    {
        return {WC_TABCONTROLA, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
    }
    void childrenCreated() override
    {
        int index = 0;
        for (TabSheet* sheet : pages().pages()) {
            TCITEMA item{};
            item.mask = TCIF_TEXT;
            std::string caption = sheet->caption();
            item.pszText = caption.data();
            SendMessageA(hwnd, TCM_INSERTITEMA, static_cast<WPARAM>(index++), reinterpret_cast<LPARAM>(&item));
        }
        sync(Change::ActivePage, -1);
    }
    void sync(Change what, int index) override
    {
        switch (what) {
        case Change::ActivePage:
            SendMessageA(hwnd, TCM_SETCURSEL, static_cast<WPARAM>(pages().activePageIndex()), 0);
            placeSheets();
            break;
        case Change::Bounds:
            ControlPeer::sync(what, index);
            placeSheets();
            break;
        default: ControlPeer::sync(what, index); break;
        }
    }
    LRESULT notify(const NMHDR& header) override
    {
        if (header.code == TCN_SELCHANGE) {
            pages().userSelectPage(static_cast<int>(SendMessageA(hwnd, TCM_GETCURSEL, 0, 0)));
            placeSheets();
        }
        return 0;
    }

    void setTabText(const TabSheet& sheet)
    {
        const auto sheets = pages().pages();
        for (std::size_t i = 0; i < sheets.size(); ++i) {
            if (sheets[i] == &sheet) {
                TCITEMA item{};
                item.mask = TCIF_TEXT;
                std::string caption = sheet.caption();
                item.pszText = caption.data();
                SendMessageA(hwnd, TCM_SETITEMA, i, reinterpret_cast<LPARAM>(&item));
            }
        }
    }

private:
    void placeSheets()
    {
        const PageControl& p = pages();
        RECT area{0, 0, p.width(), p.height()};
        SendMessageA(hwnd, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
        const auto sheets = p.pages();
        for (std::size_t i = 0; i < sheets.size(); ++i) {
            if (WindowPeer* sheet = windowPeerOf(*sheets[i])) {
                MoveWindow(sheet->hwnd, area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
                ShowWindow(sheet->hwnd, static_cast<int>(i) == p.activePageIndex() ? SW_SHOW : SW_HIDE);
            }
        }
    }
};

// A tab sheet: the page control shows and places it; its caption is its tab's text.
class TabSheetPeer : public ContainerPeer {
public:
    using ContainerPeer::ContainerPeer;
    TabSheet& sheet() const { return static_cast<TabSheet&>(control()); }

    NativeClass nativeClass() const override { return {kContainerClass, WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT}; }
    bool shownAtStart() const override { return false; }
    void sync(Change what, int index) override
    {
        switch (what) {
        case Change::Caption:
            if (auto* pages = dynamic_cast<PageControlPeer*>(peerOf(sheet().pageControl()))) {
                pages->setTabText(sheet());
            }
            break;
        case Change::Visible:
        case Change::Bounds: break;
        default: ContainerPeer::sync(what, index); break;
        }
    }
};

}  // namespace

std::unique_ptr<ControlPeer> makePageControlPeer(Win32Backend& backend, Control& control)
{
    return std::make_unique<PageControlPeer>(backend, control);
}

std::unique_ptr<ControlPeer> makeTabSheetPeer(Win32Backend& backend, Control& control)
{
    return std::make_unique<TabSheetPeer>(backend, control);
}

}  // namespace qm::ui::win32
