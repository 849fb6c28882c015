// A message window opened from a menu command, over the form that owns the
// menu, must come up on top of it, painted, and take the OK: whichever menu
// the command came from, the form's own menu bar or a popup menu. Input is
// injected as a user gives it (a click on the menu bar, arrow and Enter in
// the menu), so the command arrives through the real menu loop.
//   qm_menu_modal_test [menubar|popup]   (no argument: both)
//
// The pixels are read through the screen DC, that is Wine's own picture of
// the screen. `xwd -root` is no judge here: Wine gives its windows their own
// colormap, and xwd then rebuilds the root from each window in turn and
// shows a window lying over another one of ours as black, although the X
// server displays it painted.
#include "screen_pixels.h"
#include "ui/messages/attention.h"
#include "ui/toolkit/toolkit.h"
#include "ui/toolkit/win32/win32_backend.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace qm;

const char* const kText = "There are no programs listed to run.";

HWND windowOf(const ui::Form& form) { return static_cast<HWND>(ui::win32::Win32Backend::handleOf(form)); }

void key(WORD vk)
{
    INPUT in[2]{};
    in[0].type = INPUT_KEYBOARD;
    in[0].ki.wVk = vk;
    in[1] = in[0];
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof(INPUT));
}

void click(POINT at)
{
    // Absolute coordinates run from 0 to 65535 over the primary screen.
    const int w = GetSystemMetrics(SM_CXSCREEN);
    const int h = GetSystemMetrics(SM_CYSCREEN);
    INPUT in[3]{};
    for (INPUT& i : in) {
        i.type = INPUT_MOUSE;
        i.mi.dx = static_cast<LONG>((at.x * 65535 + w / 2) / (w - 1));
        i.mi.dy = static_cast<LONG>((at.y * 65535 + h / 2) / (h - 1));
    }
    in[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    in[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    SendInput(3, in, sizeof(INPUT));
}

// What the screen shows of the window's client area: how many pixels differ
// from pure black. A window that was never painted stays black.
struct Capture {
    int pixels = 0;
    int nonBlack = 0;
};

Capture captureClient(HWND hwnd)
{
    RECT client;
    GetClientRect(hwnd, &client);
    POINT origin{0, 0};
    ClientToScreen(hwnd, &origin);
    const int w = client.right;
    const int h = client.bottom;
    Capture result;
    if (w <= 0 || h <= 0) {
        return result;
    }
    const std::vector<std::uint32_t> pixels = qm::testing::ScreenPixels(origin.x, origin.y, w, h);
    result.pixels = static_cast<int>(pixels.size());
    for (std::uint32_t p : pixels) {
        if (p != 0) {
            ++result.nonBlack;
        }
    }
    return result;
}

// The user's side, on its own thread, so the program's thread is free to
// run its menu loop and its modal loop as it would for a person.
struct Script {
    HWND host = nullptr;
    HMENU bar = nullptr;
    HWND popupOwner = nullptr;
    bool viaMenuBar = true;
};

// Waits (at most 5 s) until the program's thread is in the menu loop.
bool menuOpen(DWORD thread)
{
    for (int tries = 0; tries < 100; ++tries) {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        if (GetGUIThreadInfo(thread, &info) && (info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE)) != 0) {
            return true;
        }
        Sleep(50);
    }
    return false;
}

DWORD WINAPI userInput(void* param)
{
    const Script& script = *static_cast<Script*>(param);
    const DWORD thread = GetWindowThreadProcessId(script.host, nullptr);
    for (int tries = 0; tries < 100 && GetForegroundWindow() != script.host; ++tries) {
        Sleep(50);
    }
    Sleep(200);
    if (script.viaMenuBar) {
        RECT item{};
        GetMenuItemRect(script.host, script.bar, 0, &item);
        click({(item.left + item.right) / 2, (item.top + item.bottom) / 2});
    } else {
        // What a right-click or the menu key sends.
        RECT r;
        GetClientRect(script.popupOwner, &r);
        POINT centre{r.right / 2, r.bottom / 2};
        ClientToScreen(script.popupOwner, &centre);
        PostMessageA(script.popupOwner, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(script.popupOwner),
                     MAKELPARAM(centre.x, centre.y));
    }
    if (!menuOpen(thread)) {
        return 1;
    }
    Sleep(300);
    key(VK_DOWN);
    Sleep(200);
    key(VK_RETURN);
    return 0;
}

class MenuHost : public ui::Form {
public:
    MenuHost() : ui::Form("MenuHost")
    {
        setCaption("Menu Host");
        // Under the centre of the screen, so the message window lies over
        // it as the Attention window lies over the Options window.
        setBounds(330, 250, 620, 550);
        setBorderStyle(ui::BorderStyle::Sizeable);
        File1.add(Open1);
        MainMenu1.add(File1);
        Context1.add(OpenFromPopup1);
        setMenu(&MainMenu1);
        Panel1.setBounds(0, 0, 600, 480);
        Panel1.setPopupMenu(&Context1);
    }

    ui::MainMenu MainMenu1{*this, "MainMenu1"};
    ui::MenuItem File1{*this, "File1", "&File"};
    ui::MenuItem Open1{*this, "Open1", "&Open message"};
    ui::PopupMenu Context1{*this, "Context1"};
    ui::MenuItem OpenFromPopup1{*this, "OpenFromPopup1", "&Open message"};
    ui::Panel Panel1{*this, "Panel1"};
};

struct Outcome {
    bool opened = false;
    bool onTop = false;      // the window under its centre is the message window
    bool paintPending = true;
    Capture shown;
    bool dismissed = false;
    bool ownerBack = false;  // the owner is enabled again afterwards
};

Outcome* current = nullptr;
Tattention* currentAttention = nullptr;

// Runs inside the message window's modal loop: looks at the screen, then
// presses OK as the user would.
void CALLBACK inspect(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    HWND hwnd = windowOf(*currentAttention);
    current->opened = IsWindowVisible(hwnd) != FALSE;
    current->shown = captureClient(hwnd);
    RECT r;
    GetWindowRect(hwnd, &r);
    const POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    current->onTop = GetAncestor(WindowFromPoint(centre), GA_ROOT) == hwnd;
    current->paintPending = GetUpdateRect(hwnd, nullptr, FALSE) != FALSE;
    currentAttention->BitBtn1.userClick();
}

void CALLBACK giveUp(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    PostQuitMessage(9);
}

Outcome openMessage(bool viaMenuBar)
{
    ui::win32::Win32Backend backend;
    ui::Application app(backend);
    app.setTitle("Quellmarch");
    MenuHost host;
    Tattention attention;
    app.add(host);
    app.add(attention);

    Outcome outcome;
    current = &outcome;
    currentAttention = &attention;
    auto open = [&] {
        SetTimer(nullptr, 0, 1000, &inspect);
        attention.ShowAttention(kText);
        outcome.dismissed = attention.modalResult() == ui::ModalResult::Ok;
        outcome.ownerBack = IsWindowEnabled(windowOf(host)) != FALSE;
        host.close();
    };
    host.Open1.onClick = open;
    host.OpenFromPopup1.onClick = open;
    host.onClose = [&](ui::CloseAction&) { PostQuitMessage(0); };
    // The test's own limit: a menu that never opens must not hang it.
    const UINT_PTR limit = SetTimer(nullptr, 0, 20000, &giveUp);

    host.show();
    Script script{windowOf(host), GetMenu(windowOf(host)),
                  static_cast<HWND>(ui::win32::Win32Backend::handleOf(host.Panel1)), viaMenuBar};
    HANDLE user = CreateThread(nullptr, 0, &userInput, &script, 0, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    KillTimer(nullptr, limit);
    WaitForSingleObject(user, 5000);
    CloseHandle(user);
    current = nullptr;
    currentAttention = nullptr;
    return outcome;
}

bool check(const char* name, bool viaMenuBar)
{
    const Outcome o = openMessage(viaMenuBar);
    // Most of a painted window is the button face colour; a few black
    // pixels (text) are fine, a mostly black one was never painted.
    const bool painted = o.shown.pixels > 0 && o.shown.nonBlack * 2 > o.shown.pixels;
    const bool passed = o.opened && o.onTop && !o.paintPending && painted && o.dismissed && o.ownerBack;
    std::printf("%s: %s (opened %d, on top %d, paint pending %d, %d of %d pixels painted, dismissed %d, owner "
                "enabled %d)\n",
                name, passed ? "passed" : "FAILED", o.opened ? 1 : 0, o.onTop ? 1 : 0, o.paintPending ? 1 : 0,
                o.shown.nonBlack, o.shown.pixels, o.dismissed ? 1 : 0, o.ownerBack ? 1 : 0);
    return passed;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string only = argc > 1 ? argv[1] : "";
    int passed = 0;
    int failed = 0;
    for (const auto& [name, viaMenuBar] : std::vector<std::pair<std::string, bool>>{{"menubar", true}, {"popup", false}}) {
        if (!only.empty() && only != name) {
            continue;
        }
        (check(name.c_str(), viaMenuBar) ? passed : failed) += 1;
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 && passed > 0 ? 0 : 1;
}
