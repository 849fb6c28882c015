// Native windows for the model's controls.
#include "ui/toolkit/toolkit.h"
#include "ui/toolkit/win32/font_cache.h"
#include "ui/toolkit/win32/win32_peer.h"

#include <commctrl.h>

#include <stdexcept>

namespace qm::ui::win32 {

namespace {

// Control ids start above IDOK and IDCANCEL, which the dialog keys send.
int nextControlId = 100;

struct NativeClass {
    const char* className;
    DWORD style;
    DWORD exStyle;
    bool subclass;
};

DWORD memoStyle(const Memo& memo)
{
    DWORD style = ES_MULTILINE | ES_AUTOVSCROLL | WS_TABSTOP;
    if (memo.readOnly()) {
        style |= ES_READONLY;
    } else {
        style |= ES_WANTRETURN;
    }
    if (!memo.wordWrap()) {
        style |= ES_AUTOHSCROLL;
    }
    if (memo.scrollBars() == ScrollBars::Vertical || memo.scrollBars() == ScrollBars::Both) {
        style |= WS_VSCROLL;
    }
    if (memo.scrollBars() == ScrollBars::Horizontal || memo.scrollBars() == ScrollBars::Both) {
        style |= WS_HSCROLL;
    }
    return style;
}

NativeClass nativeClassOf(Control& control)
{
    switch (control.kind()) {
    case ControlKind::Button: {
        auto& button = static_cast<Button&>(control);
        return {"BUTTON", DWORD(button.isDefault() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP, 0, true};
    }
    case ControlKind::CheckBox: return {"BUTTON", BS_CHECKBOX | BS_MULTILINE | WS_TABSTOP, 0, true};
    case ControlKind::RadioButton: return {"BUTTON", BS_RADIOBUTTON | BS_MULTILINE | WS_TABSTOP, 0, true};
    case ControlKind::Label: {
        auto& label = static_cast<Label&>(control);
        return {"STATIC", DWORD(label.wordWrap() ? SS_LEFT : SS_LEFTNOWORDWRAP), 0, true};
    }
    case ControlKind::Edit: {
        auto& edit = static_cast<Edit&>(control);
        return {"EDIT", ES_AUTOHSCROLL | WS_TABSTOP | DWORD(edit.readOnly() ? ES_READONLY : 0), WS_EX_CLIENTEDGE, true};
    }
    case ControlKind::Memo: {
        auto& memo = static_cast<Memo&>(control);
        return {"EDIT", memoStyle(memo), DWORD(memo.bordered() ? WS_EX_CLIENTEDGE : 0), true};
    }
    case ControlKind::ListBox:
        return {"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, true};
    case ControlKind::CheckListBox:
        return {"LISTBOX",
                LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP,
                WS_EX_CLIENTEDGE, true};
    case ControlKind::TrackBar: return {TRACKBAR_CLASSA, TBS_HORZ | TBS_AUTOTICKS | WS_TABSTOP, 0, true};
    case ControlKind::ProgressBar: return {PROGRESS_CLASSA, 0, 0, true};
    case ControlKind::StatusBar: return {STATUSCLASSNAMEA, CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER, 0, true};
    case ControlKind::Image: return {"STATIC", SS_OWNERDRAW | SS_NOTIFY, 0, true};
    case ControlKind::PageControl: return {WC_TABCONTROLA, WS_CLIPCHILDREN | WS_TABSTOP, WS_EX_CONTROLPARENT, true};
    case ControlKind::GroupBox:
    case ControlKind::RadioGroup:
    case ControlKind::TabSheet: return {kContainerClass, WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, false};
    case ControlKind::Panel: {
        auto& panel = static_cast<Panel&>(control);
        const DWORD edge = panel.bevelOuter() == BevelCut::Lowered  ? WS_EX_STATICEDGE
                           : panel.bevelOuter() == BevelCut::Raised ? WS_EX_WINDOWEDGE | WS_EX_DLGMODALFRAME
                                                                    : 0;
        return {kContainerClass, WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT | edge, false};
    }
    case ControlKind::Form:
    case ControlKind::Bevel: break;
    }
    throw std::logic_error("no native window for " + control.name());
}

// Only the active page of a page control is shown.
bool isShownAtStart(Control& control)
{
    if (control.kind() != ControlKind::TabSheet) {
        return control.visible();
    }
    const PageControl& pages = static_cast<TabSheet&>(control).pageControl();
    const auto sheets = pages.pages();
    const auto active = static_cast<std::size_t>(pages.activePageIndex());
    return active < sheets.size() && sheets[active] == &control;
}

HWND parentWindow(Control& control)
{
    Control* parent = control.parent();
    Win32Peer* peer = peerOf(parent != nullptr ? static_cast<Component&>(*parent) : control.form());
    return peer != nullptr ? peer->hwnd : nullptr;
}

void createControl(Win32Backend& backend, Control& control)
{
    auto owned = std::make_unique<Win32Peer>(backend, control);
    Win32Peer& peer = *owned;
    control.setPeer(std::move(owned));
    if (control.kind() == ControlKind::Bevel) {
        // A bevel is only a frame: its parent paints it, so whatever lies
        // inside (a picture, say) is neither covered nor left unpainted.
        return;
    }

    const NativeClass native = nativeClassOf(control);
    DWORD style = WS_CHILD | native.style;
    if (isShownAtStart(control)) {
        style |= WS_VISIBLE;
    }
    if (!control.enabled()) {
        style |= WS_DISABLED;
    }
    const Rect& r = control.bounds();
    const std::string text = control.kind() == ControlKind::Memo || control.kind() == ControlKind::Edit ? std::string()
                                                                                                      : control.caption();
    peer.hwnd = CreateWindowExA(native.exStyle, native.className, text.c_str(), style, r.left, r.top, r.width, r.height,
                                parentWindow(control), reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextControlId++)),
                                instance(), &peer);
    if (peer.hwnd == nullptr) {
        throw std::runtime_error("cannot create the window of " + control.name());
    }
    if (native.subclass) {
        SetPropA(peer.hwnd, kPeerProperty, &peer);
        peer.oldProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(peer.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&controlProc)));
    }
    SendMessageA(peer.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(backend.fonts().get(control.font())), FALSE);

    if (control.kind() == ControlKind::GroupBox || control.kind() == ControlKind::RadioGroup) {
        peer.frame = CreateWindowExA(0, "BUTTON", control.caption().c_str(), WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 0, 0,
                                     r.width, r.height, peer.hwnd, nullptr, instance(), nullptr);
        SendMessageA(peer.frame, WM_SETFONT, reinterpret_cast<WPARAM>(backend.fonts().get(control.font())), FALSE);
    }
    if (control.kind() == ControlKind::StatusBar) {
        SendMessageA(peer.hwnd, SB_SIMPLE, TRUE, 0);
    }
    if (!control.hint().empty()) {
        syncHint(peer);
    }
    // Everything else the model holds goes through the same path as a later change.
    for (Change c : {Change::Caption, Change::Items, Change::ItemIndex, Change::ItemHeight, Change::Range,
                     Change::Position, Change::MaxLength, Change::Checked, Change::Picture}) {
        sync(peer, c);
    }
}

void createChildren(Win32Backend& backend, Form& form, Control* parent)
{
    for (Control* child : form.childrenOf(parent)) {
        createControl(backend, *child);
        createChildren(backend, form, child);
        if (child->kind() == ControlKind::PageControl) {
            Win32Peer* peer = peerOf(*child);
            int index = 0;
            for (TabSheet* sheet : static_cast<PageControl*>(child)->pages()) {
                TCITEMA item{};
                item.mask = TCIF_TEXT;
                std::string caption = sheet->caption();
                item.pszText = caption.data();
                SendMessageA(peer->hwnd, TCM_INSERTITEMA, static_cast<WPARAM>(index++), reinterpret_cast<LPARAM>(&item));
            }
            SendMessageA(peer->hwnd, TCM_SETCURSEL, static_cast<WPARAM>(static_cast<PageControl*>(child)->activePageIndex()),
                         0);
            placeTabSheets(*peer);
        }
    }
}

}  // namespace

DWORD formStyle(const Form& form)
{
    const BorderIcons& icons = form.borderIcons();
    DWORD style = WS_CLIPCHILDREN;
    switch (form.borderStyle()) {
    case BorderStyle::None: return style | WS_POPUP;
    case BorderStyle::Sizeable: style |= WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME; break;
    case BorderStyle::SizeToolWindow: style |= WS_POPUP | WS_CAPTION | WS_THICKFRAME; break;
    case BorderStyle::Dialog: style |= WS_POPUP | WS_CAPTION | DS_MODALFRAME; break;
    case BorderStyle::ToolWindow: style |= WS_POPUP | WS_CAPTION; break;
    }
    if (icons.systemMenu) {
        style |= WS_SYSMENU;
        if (icons.minimize && form.borderStyle() == BorderStyle::Sizeable) {
            style |= WS_MINIMIZEBOX;
        }
        if (icons.maximize && form.borderStyle() == BorderStyle::Sizeable) {
            style |= WS_MAXIMIZEBOX;
        }
    }
    return style;
}

DWORD formExStyle(const Form& form)
{
    DWORD ex = WS_EX_CONTROLPARENT;
    if (form.borderStyle() == BorderStyle::Dialog) {
        ex |= WS_EX_DLGMODALFRAME;
    }
    if (form.borderStyle() == BorderStyle::ToolWindow || form.borderStyle() == BorderStyle::SizeToolWindow) {
        ex |= WS_EX_TOOLWINDOW;
    }
    if (form.stayOnTop()) {
        ex |= WS_EX_TOPMOST;
    }
    return ex;
}

void createForm(Win32Backend& backend, Form& form)
{
    registerClasses();
    auto owned = std::make_unique<Win32Peer>(backend, form);
    Win32Peer& peer = *owned;
    form.setPeer(std::move(owned));
    peer.menu = form.menu() != nullptr ? buildMenuBar(backend, form) : nullptr;
    peer.hwnd = CreateWindowExA(formExStyle(form), kFormClass, form.caption().c_str(), formStyle(form), form.left(),
                                form.top(), form.width(), form.height(), nullptr, peer.menu, instance(), &peer);
    if (peer.hwnd == nullptr) {
        throw std::runtime_error("cannot create the window " + form.name());
    }
    if (!form.enabled()) {
        EnableWindow(peer.hwnd, FALSE);
    }
    peer.tooltip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, peer.hwnd, nullptr, instance(), nullptr);
    createChildren(backend, form, nullptr);
    for (Component* c : form.components()) {
        if (auto* timer = dynamic_cast<Timer*>(c)) {
            auto timerPeer = std::make_unique<Win32Peer>(backend, *timer);
            timerPeer->id = backend.registerTimer(*timer);
            timerPeer->role = Win32Peer::Role::Timer;
            timerPeer->timerOwner = peer.hwnd;
            if (timer->enabled() && timer->interval() > 0) {
                SetTimer(peer.hwnd, timerPeer->id, static_cast<UINT>(timer->interval()), nullptr);
            }
            timer->setPeer(std::move(timerPeer));
        }
    }
}

}  // namespace qm::ui::win32
