// What the Win32 backend keeps beside each component. Every control kind has
// one peer class in peers/ (close kinds share a file): its native window class
// and styles, how it is created, how the model's changes reach the window and
// how the window's notifications reach the model. The bases below do what all
// kinds share.
#pragma once

#include "ui/toolkit/component.h"
#include "ui/toolkit/win32/win32_backend.h"

#include <windows.h>

#include <memory>
#include <string>

namespace qm::ui {

class Control;
class Form;

namespace win32 {

// The peer of any component: forms, controls, timers and menu items.
class Win32Peer : public Peer {
public:
    Win32Peer(Win32Backend& owner, Component& model) : backend(owner), component(model) {}
    // Brings the native side in step with one change of the model.
    virtual void sync(Change /*what*/, int /*index*/) {}

    Win32Backend& backend;
    Component& component;
};

// A component with a native window. The window procedures reflect what a
// window sends its parent (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, scrolling and
// colour requests) back to the peer of the child it concerns.
class WindowPeer : public Win32Peer {
public:
    using Win32Peer::Win32Peer;
    ~WindowPeer() override;

    HWND hwnd = nullptr;
    Control& control() const;

    virtual void command(WORD /*code*/) {}
    virtual LRESULT notify(const NMHDR& /*header*/) { return 0; }
    virtual void drawItem(const DRAWITEMSTRUCT& /*item*/) {}
    virtual void scrolled() {}
    // The brush the control's background takes, or nullptr for the usual one.
    virtual HBRUSH background(HDC /*dc*/) { return nullptr; }
    // Where the windows of child controls go.
    virtual HWND childParent() const { return hwnd; }
    // Paints what a windowless child (a bevel) shows on this window.
    virtual void paintOnParent(HDC /*dc*/) {}

    // Set while the model writes to the window, so the notifications that
    // causes are not taken for the user's doing.
    bool changingItself() const { return changing_; }
    class Changing {
    public:
        explicit Changing(WindowPeer& peer) : peer_(peer), was_(peer.changing_) { peer.changing_ = true; }
        ~Changing() { peer_.changing_ = was_; }
        Changing(const Changing&) = delete;
        Changing& operator=(const Changing&) = delete;

    private:
        WindowPeer& peer_;
        bool was_;
    };

    // The window's text, changed only when it differs (setting the same text
    // still makes some controls flicker or notify).
    void setText(const std::string& text);

private:
    bool changing_ = false;
};

// A control's native window: a standard or common control that is
// subclassed, or a window of ours. Kinds say which class and styles they
// need, and add what is theirs to creation, changes and messages.
class ControlPeer : public WindowPeer {
public:
    struct NativeClass {
        const char* className = nullptr;  // nullptr: a control without a window of its own
        DWORD style = 0;
        DWORD exStyle = 0;
    };

    using WindowPeer::WindowPeer;
    ~ControlPeer() override;
    virtual NativeClass nativeClass() const = 0;
    // Creates the window under its parent's and gives it everything the model holds.
    void create();
    // What the window shows after creation and after every change; the base
    // handles bounds, visibility, enabling, font, hint, cursor and caption.
    void sync(Change what, int index) override;
    // Messages to a subclassed control before its own procedure sees them;
    // true when handled, with `result` set.
    virtual bool message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

    WNDPROC oldProc = nullptr;

protected:
    // For a control whose tab stop follows its state (a radio button's mark).
    void syncTabStop() const;
    // Kind-specific steps right after the window exists.
    virtual void created() {}
    virtual bool shownAtStart() const;

public:
    // After the windows of the controls inside this one were made.
    virtual void childrenCreated() {}

protected:
    // The changes that create() replays so the new window shows the model.
    virtual void syncAll();
    void invalidate() const;

private:
    HWND parentWindow() const;
};

// A control made of our own container window (frames, panels, pages): its
// children's notifications come to it.
class ContainerPeer : public ControlPeer {
public:
    using ControlPeer::ControlPeer;
    // A command from a child window that has no peer (a radio group's buttons).
    virtual void commandFromChild(HWND /*child*/, WORD /*code*/) {}
    // Paints the container: the windowless children on it, then its own extras.
    void paint(HDC dc);

protected:
    virtual void paintExtras(HDC /*dc*/) {}
};

// A form's window: its frame, menu bar and the tooltip window its controls'
// hints live in. The peer exists from the form's attaching; its windows come
// in two steps, once the program needs them: realize() makes the form's own
// window (for its handle, or to run its timers), realizeControls() also every
// control's (to show the form, or for a control's handle), and the tooltip
// window comes with the first hint.
// Until then every change stays in the model alone, and the windows are built
// from what the model holds by then. The tray window, addressed by handle
// from the start and shown almost never, so keeps its controls in the model.
class FormPeer : public ContainerPeer {
public:
    using ContainerPeer::ContainerPeer;
    ~FormPeer() override;
    void realize();
    void realizeControls();
    bool realized() const { return hwnd != nullptr; }
    NativeClass nativeClass() const override;
    void sync(Change what, int index) override;
    // The form's own messages (closing, sizing, timers); true when handled.
    bool formMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

    // The window the controls' hints live in, made on first use.
    HWND tooltipWindow();

    HMENU menu = nullptr;
    HWND tooltip = nullptr;  // nullptr until a hint needs it
    // The control that had the keyboard when the window was last deactivated.
    HWND savedFocus = nullptr;

private:
    bool controlsRealized_ = false;
    // Set while the window tells the model of its own move or size: the
    // model follows, and nothing goes back. A move comes before the size it
    // goes with, so echoing the model then would undo a maximise.
    bool reporting_ = false;
    // Set while the window's own menu closes it (WM_SYSCOMMAND, SC_CLOSE).
    bool userClosing_ = false;
};

Win32Peer* peerOf(const Component& component);
WindowPeer* windowPeerOf(const Component& component);
// The peer a window belongs to: our own windows and subclassed controls.
WindowPeer* peerOfWindow(HWND hwnd);
ControlPeer* subclassedPeer(HWND hwnd);

// One function per control kind makes its peer (in the kind's file).
std::unique_ptr<ControlPeer> makeControlPeer(Win32Backend& backend, Control& control);
std::unique_ptr<ControlPeer> makeButtonPeer(Win32Backend& backend, Control& control);
std::unique_ptr<ControlPeer> makeGlyphButtonPeer(Win32Backend& backend, Control& control);
std::unique_ptr<ControlPeer> makeCheckBoxPeer(Win32Backend& backend, Control& control);
std::unique_ptr<ControlPeer> makeRadioButtonPeer(Win32Backend& backend, Control& control);
std::unique_ptr<ControlPeer> makeRadioGroupPeer(Win32Backend& backend, Control& control);
std::unique_ptr<ControlPeer> makeGroupBoxPeer(Win32Backend& backend, Control& control);
std::unique_ptr<ControlPeer> makeLabelPeer(Win32Backend& backend, Control& control);
std::unique_ptr<ControlPeer> makeEditPeer(Win32Backend& backend, Control& control);
std::unique_ptr<ControlPeer> makeMemoPeer(Win32Backend& backend, Control& control);
std::unique_ptr<ControlPeer> makeListBoxPeer(Win32Backend& backend, Control& control);
std::unique_ptr<ControlPeer> makeCheckListBoxPeer(Win32Backend& backend, Control& control);
std::unique_ptr<ControlPeer> makeTrackBarPeer(Win32Backend& backend, Control& control);
std::unique_ptr<ControlPeer> makeProgressBarPeer(Win32Backend& backend, Control& control);
std::unique_ptr<ControlPeer> makeStatusBarPeer(Win32Backend& backend, Control& control);
std::unique_ptr<ControlPeer> makeImagePeer(Win32Backend& backend, Control& control);
std::unique_ptr<ControlPeer> makeBevelPeer(Win32Backend& backend, Control& control);
std::unique_ptr<ControlPeer> makePanelPeer(Win32Backend& backend, Control& control);
std::unique_ptr<ControlPeer> makePageControlPeer(Win32Backend& backend, Control& control);
std::unique_ptr<ControlPeer> makeTabSheetPeer(Win32Backend& backend, Control& control);

// The list kinds answer these for the backend.
int listItemAtPoint(WindowPeer& peer, int x, int y);
int listTopIndex(WindowPeer& peer);
void listSetTopIndex(WindowPeer& peer, int index);

HINSTANCE instance();
void registerClasses();
// Gives the form its peer; a form with a timer gets its own window at once,
// since its timer runs on that window whether or not the form shows.
void attachForm(Win32Backend& backend, Form& form);
// The form's peer with the form's window and all its controls' windows made
// (parents before children), or nullptr for a form that was never attached.
FormPeer* realizedFormPeer(const Form& form);
DWORD formStyle(const Form& form);
DWORD formExStyle(const Form& form);
// The window that takes the keyboard for the form's first control (Form::focusAtShow).
HWND focusWindowOf(const Form& form);

HMENU buildMenuBar(Win32Backend& backend, Form& form);
void rebuildMenuBar(WindowPeer& formPeer);

// Window procedures.
LRESULT CALLBACK containerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
LRESULT CALLBACK controlProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

std::string windowText(HWND hwnd);
// Draws the control without the visual style (SetWindowTheme with blank
// names); nothing where the system has no visual styles.
void useClassicLook(HWND hwnd);

constexpr const char* kFormClass = "QuellmarchForm";
constexpr const char* kContainerClass = "QuellmarchContainer";

}  // namespace win32
}  // namespace qm::ui
