// What every peer shares: finding peers, creating and subclassing a control's
// window, and the changes every kind takes the same way.
#include "ui/toolkit/win32/win32_peer.h"

#include "ui/toolkit/toolkit.h"
#include "ui/toolkit/win32/font_cache.h"

#include <commctrl.h>

#include <stdexcept>
#include <unordered_map>

namespace qm::ui::win32 {

namespace {

// Control ids start above IDOK and IDCANCEL, which the dialog keys send.
int nextControlId = 100;

// The peer of each subclassed control. A window property would do as well,
// but under Wine reading one is a trip to the window server, on every message.
std::unordered_map<HWND, ControlPeer*>& subclassed()
{
    static std::unordered_map<HWND, ControlPeer*> peers;
    return peers;
}

void syncHint(WindowPeer& peer)
{
    const Control& control = peer.control();
    auto* formPeer = dynamic_cast<FormPeer*>(peerOf(control.form()));
    if (formPeer == nullptr || peer.hwnd == nullptr) {
        return;
    }
    // Most forms have no hints; their tooltip window is never made.
    HWND tooltip = control.hint().empty() ? formPeer->tooltip : formPeer->tooltipWindow();
    if (tooltip == nullptr) {
        return;
    }
    TOOLINFOA tool{};
    // The size comctl32 4.70 knows, so older systems accept it too.
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = formPeer->hwnd;
    tool.uId = reinterpret_cast<UINT_PTR>(peer.hwnd);
    SendMessageA(tooltip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    if (control.hint().empty()) {
        return;
    }
    std::string text = control.hint();
    tool.lpszText = text.data();
    SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace

// The one list of kinds: adding a kind adds its line here and its peer file.
std::unique_ptr<ControlPeer> makeControlPeer(Win32Backend& backend, Control& control)
{
    switch (control.kind()) {
    case ControlKind::Button: return makeButtonPeer(backend, control);
    case ControlKind::BitBtn:
    case ControlKind::SpeedButton: return makeGlyphButtonPeer(backend, control);
    case ControlKind::CheckBox: return makeCheckBoxPeer(backend, control);
    case ControlKind::RadioButton: return makeRadioButtonPeer(backend, control);
    case ControlKind::RadioGroup: return makeRadioGroupPeer(backend, control);
    case ControlKind::GroupBox: return makeGroupBoxPeer(backend, control);
    case ControlKind::Label: return makeLabelPeer(backend, control);
    case ControlKind::Edit: return makeEditPeer(backend, control);
    case ControlKind::Memo: return makeMemoPeer(backend, control);
    case ControlKind::ListBox: return makeListBoxPeer(backend, control);
    case ControlKind::CheckListBox: return makeCheckListBoxPeer(backend, control);
    case ControlKind::TrackBar: return makeTrackBarPeer(backend, control);
    case ControlKind::ProgressBar: return makeProgressBarPeer(backend, control);
    case ControlKind::StatusBar: return makeStatusBarPeer(backend, control);
    case ControlKind::Image: return makeImagePeer(backend, control);
    case ControlKind::Bevel: return makeBevelPeer(backend, control);
    case ControlKind::Panel: return makePanelPeer(backend, control);
    case ControlKind::PageControl: return makePageControlPeer(backend, control);
    case ControlKind::TabSheet: return makeTabSheetPeer(backend, control);
    case ControlKind::Form: break;
    }
    throw std::logic_error("no native window for " + control.name());
}

void useClassicLook(HWND hwnd)
{
    // uxtheme.dll came with Windows XP; the exe must still start on 2000.
    using SetWindowThemeFn = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
    static const auto setWindowTheme = [] {
        HMODULE uxtheme = LoadLibraryA("UXTHEME.DLL");
        return uxtheme != nullptr ? reinterpret_cast<SetWindowThemeFn>(reinterpret_cast<void*>(GetProcAddress(uxtheme, "SetWindowTheme")))
                                  : nullptr;
    }();
    if (setWindowTheme != nullptr) {
        setWindowTheme(hwnd, L" ", L" ");
    }
}

Win32Peer* peerOf(const Component& component)
{
    return static_cast<Win32Peer*>(component.peer());
}

WindowPeer* windowPeerOf(const Component& component) { return dynamic_cast<WindowPeer*>(peerOf(component)); }

ControlPeer* subclassedPeer(HWND hwnd)
{
    const auto found = subclassed().find(hwnd);
    return found != subclassed().end() ? found->second : nullptr;
}

WindowPeer* peerOfWindow(HWND hwnd)
{
    if (hwnd == nullptr) {
        return nullptr;
    }
    if (ControlPeer* peer = subclassedPeer(hwnd)) {
        return peer;
    }
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    if (lstrcmpiA(name, kFormClass) == 0 || lstrcmpiA(name, kContainerClass) == 0) {
        return reinterpret_cast<WindowPeer*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    }
    return nullptr;
}

std::string windowText(HWND hwnd)
{
    const int length = GetWindowTextLengthA(hwnd);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int got = GetWindowTextA(hwnd, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return text;
}

WindowPeer::~WindowPeer()
{
    if (hwnd != nullptr && IsWindow(hwnd)) {
        DestroyWindow(hwnd);
    }
}

ControlPeer::~ControlPeer()
{
    // No message may reach a peer that is going away, not even those its
    // window gets while it is destroyed.
    if (oldProc != nullptr) {
        subclassed().erase(hwnd);
        if (IsWindow(hwnd)) {
            SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc));
        }
    } else if (hwnd != nullptr && IsWindow(hwnd)) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    }
}

Control& WindowPeer::control() const { return static_cast<Control&>(component); }

void WindowPeer::setText(const std::string& text)
{
    if (windowText(hwnd) == text) {
        return;
    }
    Changing changing(*this);
    SetWindowTextA(hwnd, text.c_str());
}

HWND ControlPeer::parentWindow() const
{
    Control* parent = control().parent();
    WindowPeer* peer = windowPeerOf(parent != nullptr ? static_cast<Component&>(*parent) : control().form());
    return peer != nullptr ? peer->childParent() : nullptr;
}

void ControlPeer::create()
{
    const NativeClass native = nativeClass();
    if (native.className == nullptr) {
        return;
    }
    const Control& c = control();
    DWORD style = WS_CHILD | native.style;
    if (shownAtStart()) {
        style |= WS_VISIBLE;
    }
    if (!c.enabled()) {
        style |= WS_DISABLED;
    }
    const Rect& r = c.bounds();
    const bool ours = lstrcmpA(native.className, kContainerClass) == 0;
    // A container of ours (a radio group) passes the stop to its first button.
    if (c.tabStop() && !ours) {
        style |= WS_TABSTOP;
    }
    hwnd = CreateWindowExA(native.exStyle, native.className, "", style, r.left, r.top, r.width, r.height,
                           parentWindow(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextControlId++)), instance(),
                           static_cast<WindowPeer*>(this));
    if (hwnd == nullptr) {
        throw std::runtime_error("cannot create the window of " + c.name());
    }
    if (!ours) {
        subclassed()[hwnd] = this;
        oldProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&controlProc)));
    }
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(backend.fonts().get(c.font())), FALSE);
    if (!c.themed()) {
        useClassicLook(hwnd);
    }
    created();
    syncAll();
}

bool ControlPeer::shownAtStart() const { return control().visible(); }

void ControlPeer::syncTabStop() const
{
    const LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_STYLE);
    const LONG_PTR wanted = control().tabStop() ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
    if (wanted != style) {
        SetWindowLongPtrA(hwnd, GWL_STYLE, wanted);
    }
}

void ControlPeer::syncAll()
{
    for (Change change : {Change::Caption, Change::Hint, Change::Items, Change::ItemIndex, Change::ItemHeight,
                          Change::Range, Change::Position, Change::MaxLength, Change::Checked, Change::Picture}) {
        sync(change, -1);
    }
}

void ControlPeer::invalidate() const
{
    if (hwnd != nullptr) {
        InvalidateRect(hwnd, nullptr, TRUE);
        return;
    }
    // Drawn by its parent.
    if (WindowPeer* parent = windowPeerOf(control().parent() != nullptr ? static_cast<Component&>(*control().parent())
                                                                         : control().form())) {
        InvalidateRect(parent->hwnd, nullptr, TRUE);
    }
}

void ControlPeer::sync(Change what, int)
{
    const Control& c = control();
    if (hwnd == nullptr) {
        invalidate();
        return;
    }
    switch (what) {
    case Change::Bounds: {
        const Rect& r = c.bounds();
        MoveWindow(hwnd, r.left, r.top, r.width, r.height, TRUE);
        break;
    }
    case Change::Visible: ShowWindow(hwnd, c.visible() ? SW_SHOWNA : SW_HIDE); break;
    case Change::Enabled: EnableWindow(hwnd, c.enabled()); break;
    case Change::Font:
        SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(backend.fonts().get(c.font())), TRUE);
        break;
    case Change::Hint: syncHint(*this); break;
    case Change::Caption: setText(c.caption()); break;
    default: break;
    }
}

bool ControlPeer::message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result)
{
    Control& c = control();
    switch (msg) {
    case WM_LBUTTONDOWN:
        // The control acts on the press first (a list selects the row), then the handler hears of it.
        result = CallWindowProcA(oldProc, hwnd, msg, wp, lp);
        c.userMouseDown(MouseButton::Left, static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp)));
        return true;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        // Native controls do nothing with these presses; the handler hears of them first.
        c.userMouseDown(msg == WM_RBUTTONDOWN ? MouseButton::Right : MouseButton::Middle,
                        static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp)));
        return false;
    case WM_SETCURSOR:
        if (c.cursor() == Cursor::HandPoint) {
            // Windows 95 and NT 4 have no hand cursor; they keep the arrow.
            if (HCURSOR hand = LoadCursorA(nullptr, IDC_HAND)) {
                SetCursor(hand);
                result = TRUE;
                return true;
            }
        }
        return false;
    default: return false;
    }
}

void ContainerPeer::paint(HDC dc)
{
    const Control& self = control();
    const Control* key = self.kind() == ControlKind::Form ? nullptr : &self;
    for (Control* child : self.form().childrenOf(key)) {
        if (auto* peer = windowPeerOf(*child); peer != nullptr && peer->hwnd == nullptr && child->visible()) {
            peer->paintOnParent(dc);
        }
    }
    paintExtras(dc);
}

}  // namespace qm::ui::win32
