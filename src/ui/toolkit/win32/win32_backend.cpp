#include "ui/toolkit/win32/win32_backend.h"

#include "ui/toolkit/toolkit.h"
#include "ui/toolkit/win32/font_cache.h"
#include "ui/toolkit/win32/win32_peer.h"

#include <commctrl.h>
#include <commdlg.h>

#include <vector>

namespace qm::ui::win32 {

HINSTANCE instance() { return GetModuleHandleA(nullptr); }

void registerClasses()
{
    static bool registered = false;
    if (registered) {
        return;
    }
    registered = true;
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    WNDCLASSA form{};
    form.style = CS_DBLCLKS;
    form.lpfnWndProc = &containerProc;
    form.hInstance = instance();
    form.hIcon = LoadIconA(instance(), MAKEINTRESOURCEA(1));
    if (form.hIcon == nullptr) {
        form.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    }
    form.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    form.lpszClassName = kFormClass;
    RegisterClassA(&form);

    WNDCLASSA container = form;
    container.hIcon = nullptr;
    container.lpszClassName = kContainerClass;
    RegisterClassA(&container);
}

// The window that takes the keyboard for the form's first control: a radio
// group's is its checked button.
HWND focusWindowOf(const Form& form)
{
    const Control* control = form.focusAtShow();
    const WindowPeer* peer = control != nullptr ? windowPeerOf(*control) : nullptr;
    if (peer == nullptr || peer->hwnd == nullptr) {
        return nullptr;
    }
    if ((GetWindowLongA(peer->hwnd, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) != 0) {
        return GetNextDlgTabItem(peer->hwnd, nullptr, FALSE);
    }
    return peer->hwnd;
}

namespace {

HWND topLevelOf(HWND hwnd)
{
    while (hwnd != nullptr && (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD) != 0) {
        hwnd = GetParent(hwnd);
    }
    return hwnd;
}

bool liesIn(const Control& control, const Control& container)
{
    for (const Control* c = control.parent(); c != nullptr; c = c->parent()) {
        if (c == &container) {
            return true;
        }
    }
    return false;
}

// Ctrl+Tab and Ctrl+Shift+Tab bring the next or the previous page of the
// window's pages forward, as in the system's property sheets, and give the
// keyboard to the page's first control: Tab alone never reaches the tabs.
bool switchPage(HWND root, const MSG& msg)
{
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB || (GetKeyState(VK_CONTROL) & 0x8000) == 0) {
        return false;
    }
    const Form& form = peerOfWindow(root)->control().form();
    for (Component* c : form.components()) {
        auto* pages = dynamic_cast<PageControl*>(c);
        const int count = pages != nullptr ? static_cast<int>(pages->pages().size()) : 0;
        if (count < 2 || !pages->visible() || !pages->takesInput()) {
            continue;
        }
        const bool back = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
        pages->userSelectPage((pages->activePageIndex() + (back ? count - 1 : 1)) % count);
        const TabSheet& sheet = *pages->pages()[static_cast<std::size_t>(pages->activePageIndex())];
        for (Control* stop : form.tabOrder()) {
            if (WindowPeer* peer = windowPeerOf(*stop); peer != nullptr && liesIn(*stop, sheet)) {
                SetFocus(peer->hwnd);
                break;
            }
        }
        return true;
    }
    return false;
}

// The dialog keys (Tab, Enter, Escape, Ctrl+Tab) for whichever of our windows has the message.
void dispatch(MSG& msg)
{
    HWND root = topLevelOf(msg.hwnd);
    if (root != nullptr && peerOfWindow(root) != nullptr && (switchPage(root, msg) || IsDialogMessageA(root, &msg))) {
        return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

HWND activeOwnWindow()
{
    HWND active = GetActiveWindow();
    return active != nullptr && peerOfWindow(active) != nullptr ? active : nullptr;
}

// A message box or file dialog is modal too: while it runs no window of ours
// but its owner takes input. The box disables the owner itself and enables
// it again before it goes, which hands the owner the activation.
class OtherWindowsDisabled {
public:
    OtherWindowsDisabled(const std::vector<Form*>& forms, HWND owner)
    {
        for (Form* form : forms) {
            WindowPeer* peer = windowPeerOf(*form);
            if (peer != nullptr && peer->hwnd != owner && IsWindowEnabled(peer->hwnd)) {
                EnableWindow(peer->hwnd, FALSE);
                disabled_.push_back(peer->hwnd);
            }
        }
    }
    ~OtherWindowsDisabled()
    {
        for (HWND hwnd : disabled_) {
            if (IsWindow(hwnd)) {
                EnableWindow(hwnd, TRUE);
            }
        }
    }
    OtherWindowsDisabled(const OtherWindowsDisabled&) = delete;
    OtherWindowsDisabled& operator=(const OtherWindowsDisabled&) = delete;

private:
    std::vector<HWND> disabled_;
};

}  // namespace

Win32Backend::Win32Backend() : fonts_(std::make_unique<FontCache>()) {}

Win32Backend::~Win32Backend() = default;

unsigned Win32Backend::registerMenuItem(MenuItem& item)
{
    const unsigned id = nextMenuId_++;
    menuItems_[id] = &item;
    return id;
}

MenuItem* Win32Backend::menuItem(unsigned id) const
{
    auto it = menuItems_.find(id);
    return it != menuItems_.end() ? it->second : nullptr;
}

unsigned Win32Backend::registerTimer(Timer& timer)
{
    const unsigned id = nextTimerId_++;
    timers_[id] = &timer;
    return id;
}

Timer* Win32Backend::timer(unsigned id) const
{
    auto it = timers_.find(id);
    return it != timers_.end() ? it->second : nullptr;
}

void Win32Backend::attach(Form& form) { attachForm(*this, form); }

int Win32Backend::itemAtPoint(const ListBox& list, int x, int y) const
{
    WindowPeer* peer = windowPeerOf(list);
    return peer != nullptr ? listItemAtPoint(*peer, x, y) : -1;
}

int Win32Backend::topIndex(const ListBox& list) const
{
    WindowPeer* peer = windowPeerOf(list);
    return peer != nullptr ? listTopIndex(*peer) : 0;
}

void Win32Backend::setTopIndex(ListBox& list, int index)
{
    if (WindowPeer* peer = windowPeerOf(list)) {
        listSetTopIndex(*peer, index);
    }
}

void Win32Backend::paintNow(Control& control)
{
    WindowPeer* peer = windowPeerOf(control);
    if (peer != nullptr && peer->hwnd == nullptr) {
        // Drawn by its parent.
        peer = windowPeerOf(control.parent() != nullptr ? static_cast<Component&>(*control.parent()) : control.form());
    }
    // A form that has no windows yet has nothing to paint.
    if (peer != nullptr && peer->hwnd != nullptr) {
        RedrawWindow(peer->hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
}

void* Win32Backend::handleOf(const Component& component)
{
    // Whoever asks for a handle is about to use the window; a form's own
    // window will do for a form's handle.
    if (auto* formPeer = dynamic_cast<FormPeer*>(peerOf(component.form()))) {
        if (&component == &component.form()) {
            formPeer->realize();
        } else {
            formPeer->realizeControls();
        }
    }
    WindowPeer* peer = windowPeerOf(component);
    return peer != nullptr ? peer->hwnd : nullptr;
}

void Win32Backend::changed(Component& component, Change what, int index)
{
    if (dynamic_cast<MenuItem*>(&component) != nullptr) {
        // Items live in the form's menu bar; popup menus are built afresh each time they are shown.
        if (auto* formPeer = dynamic_cast<FormPeer*>(peerOf(component.form()));
            what == Change::Menu && formPeer != nullptr && formPeer->menu != nullptr) {
            rebuildMenuBar(*formPeer);
        }
        return;
    }
    if (Win32Peer* peer = peerOf(component)) {
        peer->sync(what, index);
    }
}

Size Win32Backend::frameExtent(const Form& form) const
{
    RECT r{0, 0, 100, 100};
    AdjustWindowRectEx(&r, formStyle(form), form.menu() != nullptr, formExStyle(form));
    return {r.right - r.left - 100, r.bottom - r.top - 100};
}

Size Win32Backend::screenSize() const
{
    // The work area, so a centred window does not sit under the taskbar.
    RECT work;
    if (SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0)) {
        return {work.right - work.left, work.bottom - work.top};
    }
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void Win32Backend::showForm(Form& form, bool activate)
{
    WindowPeer* peer = realizedFormPeer(form);
    if (peer == nullptr) {
        return;
    }
    // A window that a modal show keeps from input appears behind the modal
    // one, which keeps the focus: the user sees what is waiting for them.
    Form* blocking = !modals_.empty() && !form.enabled() ? modals_.back() : nullptr;
    if (blocking != nullptr) {
        activate = false;
    }
    UINT flags = SWP_SHOWWINDOW;
    if (!activate) {
        flags |= SWP_NOACTIVATE;
    }
    SetWindowPos(peer->hwnd, form.stayOnTop() ? HWND_TOPMOST : HWND_TOP, form.left(), form.top(), form.width(),
                 form.height(), flags);
    if (WindowPeer* modal = blocking != nullptr ? windowPeerOf(*blocking) : nullptr) {
        SetWindowPos(modal->hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SetForegroundWindow(modal->hwnd);
    }
    if (activate) {
        SetForegroundWindow(peer->hwnd);
        // Give the keyboard to the control the model names, so Tab, Enter,
        // Escape and Space work at once; the activation, which may come
        // later, does the same (FormPeer). A control of the window that has
        // it keeps it.
        HWND focus = GetFocus();
        if (focus == nullptr || !IsChild(peer->hwnd, focus)) {
            if (auto* formPeer = dynamic_cast<FormPeer*>(peer)) {
                formPeer->savedFocus = nullptr;
            }
            if (HWND first = focusWindowOf(form)) {
                SetFocus(first);
            }
        }
    }
    UpdateWindow(peer->hwnd);
}

void Win32Backend::hideForm(Form& form)
{
    if (WindowPeer* peer = windowPeerOf(form); peer != nullptr && peer->hwnd != nullptr) {
        ShowWindow(peer->hwnd, SW_HIDE);
    }
}

ModalResult Win32Backend::showModal(Form& form)
{
    // The model has disabled every other window; they come back as the form
    // hides, so the window behind it takes the activation.
    modals_.push_back(&form);
    struct Pop {
        std::vector<Form*>& modals;
        ~Pop() { modals.pop_back(); }
    } pop{modals_};
    bool quitSeen = false;
    WPARAM quitCode = 0;
    form.show();
    MSG msg;
    while (form.modalResult() == ModalResult::None) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            quitSeen = true;
            quitCode = msg.wParam;
            form.setModalResult(ModalResult::Cancel);
            break;
        }
        dispatch(msg);
    }
    const ModalResult result = form.modalResult();
    form.hide();
    if (quitSeen) {
        // The outer loop must see the request to end the program too.
        PostQuitMessage(static_cast<int>(quitCode));
    }
    return result;
}

void Win32Backend::runLoop()
{
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        dispatch(msg);
    }
}

void Win32Backend::quit() { PostQuitMessage(0); }

ModalResult Win32Backend::messageBox(const std::string& text, const std::string& caption, MessageButtons buttons,
                                     MessageIcon icon)
{
    UINT flags = MB_SETFOREGROUND;
    switch (buttons) {
    case MessageButtons::Ok: flags |= MB_OK; break;
    case MessageButtons::OkCancel: flags |= MB_OKCANCEL; break;
    case MessageButtons::YesNo: flags |= MB_YESNO; break;
    case MessageButtons::YesNoCancel: flags |= MB_YESNOCANCEL; break;
    }
    switch (icon) {
    case MessageIcon::None: break;
    case MessageIcon::Information: flags |= MB_ICONINFORMATION; break;
    case MessageIcon::Warning: flags |= MB_ICONWARNING; break;
    case MessageIcon::Error: flags |= MB_ICONERROR; break;
    case MessageIcon::Question: flags |= MB_ICONQUESTION; break;
    }
    HWND owner = activeOwnWindow();
    OtherWindowsDisabled others(forms(), owner);
    switch (MessageBoxA(owner, text.c_str(), caption.c_str(), flags)) {
    case IDOK: return ModalResult::Ok;
    case IDYES: return ModalResult::Yes;
    case IDNO: return ModalResult::No;
    default: return ModalResult::Cancel;
    }
}

std::optional<std::string> Win32Backend::executeFileDialog(FileDialog& dialog)
{
    // "Text|*.txt|All|*.*" becomes the double-NUL-terminated list Windows wants.
    std::string filter = dialog.filter;
    for (char& c : filter) {
        if (c == '|') {
            c = '\0';
        }
    }
    filter.append(2, '\0');
    std::vector<char> path(32768, '\0');
    dialog.fileName.copy(path.data(), path.size() - 1);

    OPENFILENAMEA ofn{};
    // The size Windows 95 and NT 4 know; later systems accept it too.
    ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    ofn.hwndOwner = activeOwnWindow();
    OtherWindowsDisabled others(forms(), ofn.hwndOwner);
    ofn.lpstrFilter = dialog.filter.empty() ? nullptr : filter.c_str();
    ofn.lpstrFile = path.data();
    ofn.nMaxFile = static_cast<DWORD>(path.size());
    ofn.lpstrInitialDir = dialog.initialDir.empty() ? nullptr : dialog.initialDir.c_str();
    ofn.lpstrTitle = dialog.title.empty() ? nullptr : dialog.title.c_str();
    ofn.lpstrDefExt = dialog.defaultExt.empty() ? nullptr : dialog.defaultExt.c_str();
    ofn.Flags = OFN_EXPLORER;
    const FileDialogOptions& o = dialog.options;
    if (o.fileMustExist) {
        ofn.Flags |= OFN_FILEMUSTEXIST;
    }
    if (o.pathMustExist) {
        ofn.Flags |= OFN_PATHMUSTEXIST;
    }
    if (o.overwritePrompt) {
        ofn.Flags |= OFN_OVERWRITEPROMPT;
    }
    if (o.hideReadOnly) {
        ofn.Flags |= OFN_HIDEREADONLY;
    }
    if (o.noChangeDir) {
        ofn.Flags |= OFN_NOCHANGEDIR;
    }
    const BOOL chosen = dialog.kind() == FileDialogKind::Save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
    if (!chosen) {
        return std::nullopt;
    }
    return std::string(path.data());
}

}  // namespace qm::ui::win32
