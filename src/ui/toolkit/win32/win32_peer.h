// What the Win32 backend keeps beside each component, and the functions that
// create native windows for them and bring them in step with the model.
#pragma once

#include "ui/toolkit/component.h"
#include "ui/toolkit/win32/win32_backend.h"

#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace qm::ui {

class Control;
class Form;

namespace win32 {

class Win32Peer : public Peer {
public:
    Win32Peer(Win32Backend& owner, Component& model) : backend(owner), component(model) {}
    ~Win32Peer() override;

    Win32Backend& backend;
    Component& component;
    HWND hwnd = nullptr;
    WNDPROC oldProc = nullptr;      // set for subclassed standard controls
    HWND frame = nullptr;           // the group box frame of a group or radio group
    std::vector<HWND> radios;       // the buttons of a radio group
    HMENU menu = nullptr;           // a form's menu bar
    HWND tooltip = nullptr;         // a form's tooltip window, for the controls' hints
    HGDIOBJ picture = nullptr;      // a loaded icon or bitmap of an image
    bool pictureIsIcon = false;
    unsigned id = 0;                // menu item or timer id
    enum class Role { Window, Timer, MenuItem } role = Role::Window;
    HWND timerOwner = nullptr;
    bool syncing = false;           // set while the model writes to the window
};

Win32Peer* peerOf(const Component& component);
// The peer a window belongs to: our own windows and subclassed controls.
Win32Peer* peerOfWindow(HWND hwnd);

HINSTANCE instance();
void registerClasses();

// Creates the form's window and every component's, parents before children.
void createForm(Win32Backend& backend, Form& form);
void sync(Win32Peer& peer, Change what);
void layoutRadioGroup(Win32Peer& peer);
// Shows the control's hint as a tooltip (or removes it when the hint is empty).
void syncHint(Win32Peer& peer);
void placeTabSheets(Win32Peer& pageControlPeer);

DWORD formStyle(const Form& form);
DWORD formExStyle(const Form& form);

HMENU buildMenuBar(Win32Backend& backend, Form& form);
void rebuildMenuBar(Win32Peer& formPeer);

// Window procedures.
LRESULT CALLBACK containerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
LRESULT CALLBACK controlProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// Owner drawing of check lists and images.
void drawCheckListItem(Win32Peer& peer, const DRAWITEMSTRUCT& item);
void drawImage(Win32Peer& peer, const DRAWITEMSTRUCT& item);
int checkBoxWidth(int itemHeight);

std::string windowText(HWND hwnd);

constexpr const char* kFormClass = "QuellmarchForm";
constexpr const char* kContainerClass = "QuellmarchContainer";
constexpr const char* kPeerProperty = "QuellmarchPeer";

}  // namespace win32
}  // namespace qm::ui
