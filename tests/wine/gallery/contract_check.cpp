#include "contract_check.h"

#include "sample_window.h"
#include "screen_pixels.h"
#include "ui/messages/terminating_status.h"
#include "ui/toolkit/win32/win32_backend.h"
#include "ui/toolkit/win32/win32_peer.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace qm::gallery {

namespace {

// A modal window whose timer acts while its nested loop runs.
class TModalProbe : public ui::Form {
public:
    TModalProbe() : Form("ModalProbe")
    {
        setCaption("Modal probe");
        setBorderStyle(ui::BorderStyle::Dialog);
        setClientSize(200, 80);
        BitBtn1.setBounds(60, 40, 75, 25);
        Timer1.setEnabled(false);
    }
    ui::BitBtn BitBtn1{*this, "BitBtn1", ui::BitBtnKind::Ok};
    ui::Timer Timer1{*this, "Timer1", 200};
};

// A window like the splash: a panel covers all of it, yet it hears of its paint.
class TCoveredProbe : public ui::Form {
public:
    TCoveredProbe() : Form("CoveredProbe")
    {
        setBorderStyle(ui::BorderStyle::None);
        setClientSize(293, 37);
        Panel1.setBounds(0, 0, 293, 37);
    }
    ui::Panel Panel1{*this, "Panel1"};
};

// One control of each kind Tab and the dialog keys treat differently.
class TKeysProbe : public ui::Form {
public:
    TKeysProbe() : Form("KeysProbe")
    {
        setCaption("Keys probe");
        setBorderStyle(ui::BorderStyle::Dialog);
        setClientSize(300, 264);
        Memo1.setBounds(8, 8, 196, 20);
        Memo1.setReadOnly(true);
        Memo1.setBordered(false);
        Memo1.setLines({"Plain text, passed by"});
        Edit1.setBounds(8, 32, 150, 21);
        SpeedButton1.setBounds(162, 32, 23, 22);
        GroupBox1.setBounds(8, 58, 196, 60);
        RadioButton1.setParent(GroupBox1);
        RadioButton1.setBounds(8, 16, 100, 17);
        RadioButton2.setParent(GroupBox1);
        RadioButton2.setBounds(8, 36, 100, 17);
        RadioButton2.setChecked(true);
        Memo2.setBounds(8, 122, 196, 40);
        Memo2.setReadOnly(true);
        Memo2.setScrollBars(ui::ScrollBars::Vertical);
        Memo2.setLines({"A text to scroll", "line 2", "line 3", "line 4"});
        RadioGroup1.setBounds(212, 8, 80, 60);
        RadioGroup1.setItems({"a", "b"});
        RadioGroup1.setItemIndex(1);
        PageControl1.setBounds(8, 166, 196, 90);
        Button1.setParent(TabSheet1);
        Button1.setBounds(8, 8, 75, 25);
        Button2.setParent(TabSheet2);
        Button2.setBounds(8, 8, 75, 25);
        BitBtn1.setBounds(212, 200, 75, 25);
        BitBtn2.setBounds(212, 230, 75, 25);
        Timer1.setEnabled(false);
    }
    ui::Memo Memo1{*this, "Memo1"};
    ui::Edit Edit1{*this, "Edit1"};
    ui::SpeedButton SpeedButton1{*this, "SpeedButton1", ui::Glyph::Folder};
    ui::GroupBox GroupBox1{*this, "GroupBox1", "Group"};
    ui::RadioButton RadioButton1{*this, "RadioButton1", "one"};
    ui::RadioButton RadioButton2{*this, "RadioButton2", "two"};
    ui::Memo Memo2{*this, "Memo2"};
    ui::RadioGroup RadioGroup1{*this, "RadioGroup1", "Choice"};
    ui::PageControl PageControl1{*this, "PageControl1"};
    ui::TabSheet TabSheet1{PageControl1, "TabSheet1", "First"};
    ui::TabSheet TabSheet2{PageControl1, "TabSheet2", "Second"};
    ui::Button Button1{*this, "Button1", "On page 1"};
    ui::Button Button2{*this, "Button2", "On page 2"};
    ui::BitBtn BitBtn1{*this, "BitBtn1", ui::BitBtnKind::Ok};
    ui::BitBtn BitBtn2{*this, "BitBtn2", ui::BitBtnKind::Cancel};
    ui::Timer Timer1{*this, "Timer1", 100};
};

int failures = 0;
int checks = 0;

void expect(bool condition, const char* what)
{
    ++checks;
    if (!condition) {
        ++failures;
        std::fprintf(stderr, "FAILED: %s\n", what);
    }
}

void pump()
{
    MSG msg;
    for (int round = 0; round < 5; ++round) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(20);
    }
}

HWND hwndOf(const ui::Component& c) { return static_cast<HWND>(ui::win32::Win32Backend::handleOf(c)); }

int toolCount(HWND form)
{
    struct Search {
        HWND owner;
        HWND found;
    } search{form, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM lp) CALLBACK -> BOOL {
            auto* s = reinterpret_cast<Search*>(lp);
            char name[64] = {};
            GetClassNameA(hwnd, name, sizeof name);
            if (lstrcmpiA(name, TOOLTIPS_CLASSA) == 0 && GetWindow(hwnd, GW_OWNER) == s->owner) {
                s->found = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr ? static_cast<int>(SendMessageA(search.found, TTM_GETTOOLCOUNT, 0, 0)) : -1;
}

std::string textOf(HWND hwnd)
{
    char buffer[512] = {};
    GetWindowTextA(hwnd, buffer, sizeof buffer);
    return buffer;
}

std::vector<std::string> nativeRows(HWND list)
{
    std::vector<std::string> rows;
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        std::string text(static_cast<std::size_t>(SendMessageA(list, LB_GETTEXTLEN, i, 0)) + 1, '\0');
        text.resize(static_cast<std::size_t>(SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()))));
        rows.push_back(text);
    }
    return rows;
}

// Whether the screen shows a tick in the box of a visible row of a check list.
bool shownChecked(HWND list, int row)
{
    RECT r;
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
    POINT corner{r.left, r.top};
    ClientToScreen(list, &corner);
    int dark = 0;
    for (std::uint32_t p : qm::testing::ScreenPixels(corner.x + 3, corner.y + 2, 11, r.bottom - r.top - 4)) {
        dark += ((p >> 16) & 0xFF) < 0x40 && ((p >> 8) & 0xFF) < 0x40 && (p & 0xFF) < 0x40 ? 1 : 0;
    }
    return dark > 5;
}

// Changes at one row of a check list reach the native list at that row; the
// selection, the marks and the rows on top stay where they were.
void checkRowChanges(ui::CheckListBox& list)
{
    HWND native = hwndOf(list);
    list.beginUpdate();
    list.clear();
    for (int i = 0; i < 60; ++i) {
        list.add("row " + std::to_string(i), i % 3 == 0);
    }
    list.endUpdate();
    list.setItemIndex(24);
    list.setTopIndex(20);
    pump();
    expect(SendMessageA(native, LB_GETTOPINDEX, 0, 0) == 20, "a list scrolls to the row asked for");

    struct Step {
        const char* what;
        std::function<void()> change;
    };
    const Step steps[] = {
        {"insert above the top row", [&] { list.insert(5, "new 5"); }},
        {"remove above the top row", [&] { list.remove(0); }},
        {"insert among the rows shown", [&] { list.insert(22, "new 22"); }},
        {"new text for the selected row", [&] { list.setItem(list.itemIndex(), "renamed"); }},
        {"remove below", [&] { list.remove(50); }},
        {"add at the end", [&] { list.add("last", true); }},
    };
    for (const Step& step : steps) {
        step.change();
        pump();
        const std::string what = step.what;
        expect(nativeRows(native) == list.items(), ("the native rows follow: " + what).c_str());
        expect(SendMessageA(native, LB_GETCURSEL, 0, 0) == list.itemIndex() && list.itemIndex() >= 0,
               ("the selection stays on its row: " + what).c_str());
        expect(SendMessageA(native, LB_GETTOPINDEX, 0, 0) == 20, ("the rows on top stay: " + what).c_str());
        bool shown = true;
        for (int row = 20; row < 26; ++row) {
            shown = shown && shownChecked(native, row) == list.checked(row);
        }
        expect(shown, ("the rows show their own marks: " + what).c_str());
    }
}

// The model's tab order is the one Tab follows on the real window, the
// window opens with the keyboard where the model says, and the dialog keys
// work from every kind of control: Tab and Enter out of a read-only text,
// Escape out of an edit, Ctrl+Tab to the next page.
void checkKeys(ui::Application& app, const ui::Form& mainForm)
{
    TKeysProbe keys;
    app.add(keys);
    keys.setActiveControl(&keys.Memo2);
    keys.show();
    pump();
    HWND root = hwndOf(keys);
    expect(GetFocus() == hwndOf(keys.Memo2), "the window opens with the keyboard on the control the model names");
    std::vector<HWND> native;
    for (HWND h = GetNextDlgTabItem(root, nullptr, FALSE); h != nullptr && native.size() < 20;
         h = GetNextDlgTabItem(root, h, FALSE)) {
        const HWND stop = GetParent(h) == hwndOf(keys.RadioGroup1) ? hwndOf(keys.RadioGroup1) : h;
        if (!native.empty() && stop == native.front()) {
            break;
        }
        native.push_back(stop);
    }
    std::vector<HWND> model;
    for (ui::Control* c : keys.tabOrder()) {
        model.push_back(hwndOf(*c));
    }
    expect(native == model && model.size() == 8, "Tab follows the model's tab order on the real window");
    SetFocus(hwndOf(keys.Edit1));
    SetActiveWindow(hwndOf(mainForm));
    SetActiveWindow(root);
    pump();
    expect(GetFocus() == hwndOf(keys.Edit1), "activated again, a window gives the keyboard back to its control");
    keys.hide();

    // Each run of the window: what to do at each tick of its timer.
    auto run = [&](std::vector<std::function<void()>> steps) {
        std::size_t next = 0;
        keys.Timer1.onTimer = [&] {
            if (next < steps.size()) {
                steps[next++]();
            } else {
                keys.Timer1.setEnabled(false);
                keys.setModalResult(ui::ModalResult::No);
            }
        };
        keys.Timer1.setEnabled(true);
        const ui::ModalResult result = keys.showModal();
        keys.Timer1.setEnabled(false);
        return result;
    };
    auto press = [](HWND target, WPARAM key) { PostMessageA(target, WM_KEYDOWN, key, 0); };
    HWND afterTab = nullptr;
    const ui::ModalResult enter = run({
        [&] {
            SetFocus(hwndOf(keys.Memo2));
            press(hwndOf(keys.Memo2), VK_TAB);
        },
        [&] {
            afterTab = GetFocus();
            SetFocus(hwndOf(keys.Memo2));
            press(hwndOf(keys.Memo2), VK_RETURN);
        },
    });
    expect(GetParent(afterTab) == hwndOf(keys.RadioGroup1), "Tab leaves a read-only text for the next control");
    expect(enter == ui::ModalResult::Ok, "Enter in a read-only text presses the default button");
    for (ui::Control* from : std::initializer_list<ui::Control*>{&keys.Edit1, &keys.Memo2}) {
        const ui::ModalResult escape = run({[&] {
            SetFocus(hwndOf(*from));
            press(hwndOf(*from), VK_ESCAPE);
        }});
        expect(escape == ui::ModalResult::Cancel, ("Escape in " + from->name() + " presses Cancel").c_str());
    }
    MSG quit;
    expect(!PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) && IsWindowVisible(hwndOf(mainForm)),
           "Escape in a text is no close request from outside");
    HWND afterPage = nullptr;
    run({
        [&] {
            BYTE state[256];
            GetKeyboardState(state);
            state[VK_CONTROL] = 0x80;
            SetKeyboardState(state);
            SetFocus(hwndOf(keys.Edit1));
            press(hwndOf(keys.Edit1), VK_TAB);
        },
        [&] {
            afterPage = GetFocus();
            BYTE state[256];
            GetKeyboardState(state);
            state[VK_CONTROL] = 0;
            SetKeyboardState(state);
        },
    });
    expect(keys.PageControl1.activePageIndex() == 1 && afterPage == hwndOf(keys.Button2),
           "Ctrl+Tab brings the next page forward with the keyboard on its first control");
}

}  // namespace

int runContractCheck()
{
    ui::win32::Win32Backend backend;
    ui::Application app(backend);
    app.setTitle("Quellmarch");
    TControlSample form;
    app.add(form);
    int errorsReported = 0;
    // A message box would wait for a user; here the report only counts.
    backend.setErrorReport([&](std::exception_ptr) { ++errorsReported; });

    int checkClicks = 0, listChecks = 0, editChanges = 0, trackChanges = 0, groupClicks = 0, listClicks = 0;
    int lastToggled = -1;
    form.CheckBox2.onClick = [&] { ++checkClicks; };
    form.CheckListBox1.onClickCheck = [&](int i) {
        ++listChecks;
        lastToggled = i;
    };
    form.CheckListBox1.onClick = [&] { ++listClicks; };
    form.Edit1.onChange = [&] { ++editChanges; };
    form.TrackBar1.onChange = [&] { ++trackChanges; };
    form.RadioGroup1.onClick = [&] { ++groupClicks; };
    form.Button1.onClick = [] { throw std::runtime_error("a handler failed"); };
    form.show();
    pump();

    // Code sets values: the windows follow, no event fires.
    form.CheckBox2.setChecked(true);
    form.CheckListBox1.setChecked(1, true);
    form.CheckListBox1.setItemIndex(2);
    form.Edit1.setText("set by code");
    form.TrackBar1.setPosition(400);
    form.RadioGroup1.setItemIndex(2);
    pump();
    expect(checkClicks + listChecks + listClicks + editChanges + trackChanges + groupClicks == 0,
           "no event for values set by code");
    expect(SendMessageA(hwndOf(form.CheckBox2), BM_GETCHECK, 0, 0) == BST_CHECKED, "check box shows the model");
    expect(SendMessageA(hwndOf(form.CheckListBox1), LB_GETCURSEL, 0, 0) == 2, "list selection shows the model");
    expect(textOf(hwndOf(form.Edit1)) == "set by code", "edit shows the model");
    expect(SendMessageA(hwndOf(form.TrackBar1), TBM_GETPOS, 0, 0) == 400, "track bar shows the model");

    // The user acts: one event each, and the model knows first.
    SendMessageA(hwndOf(form.CheckBox2), BM_CLICK, 0, 0);
    pump();
    expect(checkClicks == 1 && !form.CheckBox2.checked(), "a click on the check box clears it once");
    expect(SendMessageA(hwndOf(form.CheckBox2), BM_GETCHECK, 0, 0) == BST_UNCHECKED, "check box shows the click");

    const int itemHeight = form.CheckListBox1.itemHeight();
    const LPARAM onBox = MAKELPARAM(5, itemHeight * 0 + itemHeight / 2);
    SendMessageA(hwndOf(form.CheckListBox1), WM_LBUTTONDOWN, MK_LBUTTON, onBox);
    SendMessageA(hwndOf(form.CheckListBox1), WM_LBUTTONUP, 0, onBox);
    pump();
    expect(listChecks == 1 && lastToggled == 0, "a click on an item's box toggles that item");
    expect(!form.CheckListBox1.checked(0), "the first item is unchecked now");
    expect(form.CheckListBox1.itemIndex() == 0 && listClicks == 1, "the click also selects the item");
    const LPARAM onText = MAKELPARAM(120, itemHeight * 1 + itemHeight / 2);
    SendMessageA(hwndOf(form.CheckListBox1), WM_LBUTTONDOWN, MK_LBUTTON, onText);
    SendMessageA(hwndOf(form.CheckListBox1), WM_LBUTTONUP, 0, onText);
    pump();
    expect(listChecks == 1 && form.CheckListBox1.checked(1), "a click on the text does not toggle");
    expect(form.CheckListBox1.itemAtPos(120, itemHeight * 2 + 3) == 2 && form.CheckListBox1.itemAtPos(120, 90) == -1,
           "the item under a point is found, and none below the last");

    // Every button's press reaches the handler, which selects the row under
    // the pointer as the program's lists do.
    std::vector<ui::MouseButton> presses;
    form.CheckListBox1.onMouseDown = [&](ui::MouseButton button, int x, int y) {
        presses.push_back(button);
        form.CheckListBox1.setItemIndex(form.CheckListBox1.itemAtPos(x, y));
    };
    const LPARAM onThird = MAKELPARAM(120, itemHeight * 2 + itemHeight / 2);
    SendMessageA(hwndOf(form.CheckListBox1), WM_MBUTTONDOWN, MK_MBUTTON, onThird);
    SendMessageA(hwndOf(form.CheckListBox1), WM_MBUTTONUP, 0, onThird);
    pump();
    expect(presses == std::vector<ui::MouseButton>{ui::MouseButton::Middle} && form.CheckListBox1.itemIndex() == 2 &&
               SendMessageA(hwndOf(form.CheckListBox1), LB_GETCURSEL, 0, 0) == 2,
           "a middle press selects the row under the pointer");
    form.CheckListBox1.onMouseDown = nullptr;

    checkRowChanges(form.CheckListBox1);

    // A style a window takes at its creation is refused later, and the window keeps it.
    bool refused = false;
    try {
        form.Memo1.setWordWrap(false);
    } catch (const std::logic_error&) {
        refused = true;
    }
    expect(refused && (GetWindowLongA(hwndOf(form.Memo1), GWL_STYLE) & ES_AUTOHSCROLL) == 0 && form.Memo1.wordWrap(),
           "a style fixed at creation is refused and the window keeps it");

    SendMessageA(hwndOf(form.Edit1), EM_SETSEL, 0, -1);
    SendMessageA(hwndOf(form.Edit1), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("typed"));
    pump();
    expect(editChanges == 1 && form.Edit1.text() == "typed", "typing reaches the model once");

    SendMessageA(hwndOf(form.TrackBar1), WM_KEYDOWN, VK_RIGHT, 0);
    pump();
    expect(trackChanges == 1 && form.TrackBar1.position() == 401, "a key on the track bar moves it by one");

    HWND secondRadio = FindWindowExA(hwndOf(form.RadioGroup1), nullptr, "Button", "DblClick = Browse");
    SendMessageA(secondRadio, BM_CLICK, 0, 0);
    pump();
    expect(groupClicks == 1 && form.RadioGroup1.itemIndex() == 1, "a radio of the group selects its item");

    SendMessageA(hwndOf(form.Button1), BM_CLICK, 0, 0);
    pump();
    expect(errorsReported == 1, "an exception in a handler reaches the error report");
    expect(IsWindow(hwndOf(form)) && IsWindowVisible(hwndOf(form)), "the window lives on after the error");

    // A modal show keeps every other window of ours from input, shown or
    // hidden, and gives each back as it was; the window behind it is active
    // again. A window shown meanwhile stays behind it, a nested show works,
    // and a menu the program opens itself (the tray's) stays live. WM_QUIT
    // ends the show and is passed on to the outer loop.
    TModalProbe probe;
    TModalProbe inner;
    TCoveredProbe hidden;
    TCoveredProbe disabledBefore;
    for (ui::Form* f : std::initializer_list<ui::Form*>{&probe, &inner, &hidden, &disabledBefore}) {
        app.add(*f);
    }
    disabledBefore.setEnabled(false);
    ui::PopupMenu trayLike{form, "TrayLike"};
    ui::MenuItem trayItem{form, "TrayItem", "&Options"};
    trayLike.add(trayItem);
    int trayClicks = 0;
    trayItem.onClick = [&] { ++trayClicks; };
    form.show();
    pump();
    auto enabled = [](const ui::Component& c) { return IsWindowEnabled(hwndOf(c)) != FALSE; };
    bool othersDisabled = false;
    bool shownBehind = false;
    bool nested = false;
    int ticks = 0;
    inner.Timer1.onTimer = [&] {
        inner.Timer1.setEnabled(false);
        nested = enabled(inner) && !enabled(probe) && !enabled(form);
        inner.setModalResult(ui::ModalResult::Ok);
    };
    probe.Timer1.onTimer = [&] {
        if (++ticks != 2) {
            return;
        }
        probe.Timer1.setEnabled(false);
        othersDisabled = !enabled(form) && !enabled(hidden) && !enabled(disabledBefore) && enabled(probe);
        hidden.show();
        shownBehind = GetActiveWindow() == hwndOf(probe) && !enabled(hidden);
        hidden.hide();
        inner.Timer1.setEnabled(true);
        nested = inner.showModal() == ui::ModalResult::Ok && nested && enabled(probe) && !enabled(inner);
        // What the user presses in the menu: the first item, then Enter.
        PostMessageA(hwndOf(form), WM_KEYDOWN, VK_DOWN, 0);
        PostMessageA(hwndOf(form), WM_KEYDOWN, VK_RETURN, 0);
        trayLike.popup(nullptr, 10, 10);
        PostQuitMessage(7);
    };
    probe.Timer1.setEnabled(true);
    const ui::ModalResult result = probe.showModal();
    expect(ticks == 2, "timer ticks arrive through the nested loop and stop when disabled");
    expect(result == ui::ModalResult::Cancel, "WM_QUIT ends a modal show with Cancel");
    expect(othersDisabled, "every other window, shown or hidden, is disabled during the modal show");
    expect(shownBehind, "a window shown during a modal show stays behind it, disabled");
    expect(nested, "a nested modal show takes the input and gives it back");
    expect(trayClicks == 1, "a menu the program opens during a modal show still works");
    expect(enabled(form) && enabled(hidden) && enabled(inner) && !enabled(disabledBefore),
           "each window is as it was afterwards");
    expect(GetActiveWindow() == hwndOf(form), "the window behind the modal one is active again");
    MSG quit;
    expect(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) && quit.wParam == 7,
           "the quit request is passed on to the outer loop");

    // Menu commands reach their item; a disabled item shows grey.
    int opens = 0;
    form.Open1.onClick = [&] { ++opens; };
    HMENU fileMenu = GetSubMenu(GetMenu(hwndOf(form)), 0);
    SendMessageA(hwndOf(form), WM_COMMAND, MAKEWPARAM(GetMenuItemID(fileMenu, 0), 0), 0);
    expect(opens == 1, "a menu command reaches its item's handler");
    form.Open1.setEnabled(false);
    fileMenu = GetSubMenu(GetMenu(hwndOf(form)), 0);
    expect((GetMenuState(fileMenu, 0, MF_BYPOSITION) & MF_GRAYED) != 0, "a disabled item is grey in the menu bar");

    // A hand over a control that asks for one.
    form.Button1.setCursor(ui::Cursor::HandPoint);
    SendMessageA(hwndOf(form.Button1), WM_SETCURSOR, reinterpret_cast<WPARAM>(hwndOf(form.Button1)),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    expect(GetCursor() == LoadCursorA(nullptr, IDC_HAND), "a control with the hand cursor shows it");

    // Hints are tooltips.
    expect(toolCount(hwndOf(form)) == 1, "a control with a hint has a tooltip");
    form.CheckBox1.setHint("");
    expect(toolCount(hwndOf(form)) == 0, "an empty hint removes the tooltip");

    // The status window appears over everything but leaves the focus alone.
    TTerminatingStatus status;
    app.add(status);
    form.show();
    pump();
    const HWND activeBefore = GetActiveWindow();
    status.showWithoutFocus();
    pump();
    expect(activeBefore == hwndOf(form) && GetActiveWindow() == activeBefore,
           "the status window does not take the focus");
    expect(IsWindowVisible(hwndOf(status)) != FALSE, "the status window is visible");
    // No loop runs while a batch changes it: each change must be on the screen at once.
    status.setStatusText("Terminating: winamp.exe");
    status.setProgress(40);
    expect(!GetUpdateRect(hwndOf(status.StatusBar1), nullptr, FALSE) &&
               !GetUpdateRect(hwndOf(status.ProgressBar1), nullptr, FALSE),
           "the status window paints a new text and progress at once");
    status.hideStatus();

    // Maximised by the user, a window keeps the size it comes back to. The
    // move that comes before the new size must not put the old size back.
    form.show();
    form.setSize(620, 470);
    pump();
    ShowWindow(hwndOf(form), SW_MAXIMIZE);
    pump();
    RECT zoomed{};
    GetWindowRect(hwndOf(form), &zoomed);
    expect(form.windowState() == ui::WindowState::Maximized && form.width() == zoomed.right - zoomed.left &&
               form.restoredSize() == ui::Size{620, 470},
           "a maximised window knows its state and the size it comes back to");
    ShowWindow(hwndOf(form), SW_RESTORE);
    pump();
    expect(form.windowState() == ui::WindowState::Normal && form.width() == 620, "restored, it has that size again");

    // A form gets its windows when first needed; what the model took before
    // then is what they show.
    TCoveredProbe covered;
    app.add(covered);
    covered.setCaption("Covered probe");
    expect(FindWindowA(ui::win32::kFormClass, "Covered probe") == nullptr, "an attached form has no window yet");
    int paints = 0;
    covered.onPaint = [&] { ++paints; };
    covered.show();
    pump();
    expect(FindWindowA(ui::win32::kFormClass, "Covered probe") == hwndOf(covered),
           "its first show makes its window, with the caption set before");
    expect(paints > 0, "a window covered by a panel still hears of its paint");
    covered.hide();

    checkKeys(app, form);

    // The user's close (the close button, the system menu, Alt+F4), or a
    // bare WM_CLOSE to a shown window, closes that one window; a WM_CLOSE to
    // a hidden window comes from outside, and it or the end of the session
    // is a request to end the program.
    int endRequests = 0;
    backend.setEndRequestHandler([&] {
        ++endRequests;
        return false;
    });
    form.show();
    pump();
    SendMessageA(hwndOf(form), WM_SYSCOMMAND, SC_CLOSE, 0);
    expect(!form.visible() && endRequests == 0, "the user's close hides the window");
    form.show();
    SendMessageA(hwndOf(form), WM_CLOSE, 0, 0);
    expect(!form.visible() && endRequests == 0, "a close request to a shown window closes it");
    SendMessageA(hwndOf(form), WM_CLOSE, 0, 0);
    expect(!form.visible() && endRequests == 1, "one to a hidden window asks to end the program");
    form.show();
    expect(SendMessageA(hwndOf(form), WM_QUERYENDSESSION, 0, 0) == FALSE && endRequests == 2,
           "the end of the session asks too, and hears the answer");

    form.hide();
    std::printf("%d passed, %d failed\n", checks - failures, failures);
    return failures == 0 ? 0 : 1;
}

}  // namespace qm::gallery
