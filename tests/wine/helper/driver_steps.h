// Small pieces every step driver of the Wine tests needs: a failure with its
// reason, polling until something happens, whole-file reads and writes,
// finding windows and controls and waiting for them to come or go, reading
// a list's rows, resizing a window and reading a stored size.
#pragma once

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace qm::testing {

inline int Fail(const std::string& why) {
  std::fprintf(stderr, "FAIL: %s\n", why.c_str());
  return 1;
}

// Polls `done` every 100 ms for up to `ms`: the program under test answers in
// its own time, and a step must neither race it nor hang when it never does.
template <class F>
bool WaitFor(F done, DWORD ms = 30000) {
  for (DWORD waited = 0; waited <= ms; waited += 100) {
    if (done()) return true;
    Sleep(100);
  }
  return false;
}

inline bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

inline bool WriteText(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  return static_cast<bool>(out);
}

// The first child control of `parent` whose text satisfies `match`. The text
// is asked of the control itself: an edit's text lives in the edit.
template <class Match>
HWND ChildWhere(HWND parent, Match match) {
  struct Search {
    Match& match;
    HWND found = nullptr;
  } search{match};
  EnumChildWindows(
      parent,
      [](HWND window, LPARAM data) CALLBACK -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        char text[512] = {};
        SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        if (!s->match(std::string(text))) return TRUE;
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

inline HWND ChildCaptioned(HWND parent, const std::string& caption) {
  return ChildWhere(parent, [&](const std::string& text) { return text == caption; });
}

// The child controls of `parent` of a window class at any depth, in creation
// order; the visible ones only, unless hidden ones (a page not shown) count.
inline std::vector<HWND> ChildrenOfClass(HWND parent, const char* className, bool visibleOnly = true) {
  struct Search {
    const char* className;
    bool visibleOnly;
    std::vector<HWND> found;
  } search{className, visibleOnly, {}};
  EnumChildWindows(
      parent,
      [](HWND window, LPARAM data) CALLBACK -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        char name[64] = {};
        GetClassNameA(window, name, sizeof name);
        if (lstrcmpiA(name, s->className) == 0 && (!s->visibleOnly || IsWindowVisible(window))) {
          s->found.push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// A list box's rows, read with the W messages: version 6 list boxes keep
// their texts as Unicode. The rows are ASCII.
inline std::vector<std::string> ListRows(HWND list) {
  std::vector<std::string> rows;
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
    std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    rows.emplace_back(text.begin(), text.end());
  }
  return rows;
}

// "x y" of the middle of a control on the screen, where a click lands on it.
inline void PrintCentre(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  std::printf("%ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

// The visible one of the top-level windows captioned so: the program's
// hidden main window and its message boxes share the caption "Quellmarch".
inline HWND VisibleWindow(const std::string& caption) {
  HWND candidate = nullptr;
  while ((candidate = FindWindowExA(nullptr, candidate, nullptr, caption.c_str())) != nullptr) {
    if (IsWindowVisible(candidate)) return candidate;
  }
  return nullptr;
}

// Waits up to `ms` for a visible window captioned so; null when none came.
inline HWND ShownWindow(const std::string& caption, DWORD ms = 30000) {
  HWND window = nullptr;
  WaitFor([&] { return (window = VisibleWindow(caption)) != nullptr; }, ms);
  return window;
}

// Waits up to `ms` for a window captioned so, shown or hidden (the tray
// window never shows); null when none came.
inline HWND WindowNamed(const std::string& caption, DWORD ms = 30000) {
  HWND window = nullptr;
  WaitFor([&] { return (window = FindWindowA(nullptr, caption.c_str())) != nullptr; }, ms);
  return window;
}

// Waits up to `ms` until no window, shown or hidden, is captioned so: its
// program has ended.
inline bool WindowGone(const std::string& caption, DWORD ms = 30000) {
  return WaitFor([&] { return FindWindowA(nullptr, caption.c_str()) == nullptr; }, ms);
}

// The Options window: the one top-level window with a menu bar whose title
// starts with the program's name.
inline HWND OptionsWindow() {
  HWND found = nullptr;
  EnumWindows(
      [](HWND window, LPARAM data) CALLBACK -> BOOL {
        char title[256] = {};
        GetWindowTextA(window, title, sizeof title);
        if (GetMenu(window) == nullptr || std::string(title).rfind("Quellmarch", 0) != 0) return TRUE;
        *reinterpret_cast<HWND*>(data) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// "left top width height" of the client area on the screen, with a line end.
// Without a window manager (Xvfb) nothing draws the frame: a photo shows the
// client area.
inline void PrintClientRect(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  std::printf("%ld %ld %ld %ld\n", origin.x, origin.y, r.right, r.bottom);
}

// "left top width height", no line end.
inline void PrintRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  std::printf("%ld %ld %ld %ld", r.left, r.top, r.right - r.left, r.bottom - r.top);
}

// Gives a window that outer size and prints its rectangle; fails when the
// window took another size.
inline int ResizeStep(HWND window, int width, int height) {
  SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT r{};
  GetWindowRect(window, &r);
  if (r.right - r.left != width || r.bottom - r.top != height) {
    return Fail("the window is " + std::to_string(r.right - r.left) + " x " + std::to_string(r.bottom - r.top));
  }
  PrintRect(window);
  std::printf("\n");
  return 0;
}

// The window size the program stored among its global settings under the
// two value names is width x height.
inline int SizeStoredStep(const char* widthValue, const char* heightValue, int width, int height) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Quellmarch", 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return Fail("no settings");
  }
  auto read = [key](const char* name) {
    DWORD value = 0;
    DWORD size = sizeof value;
    DWORD type = 0;
    const bool ok = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) ==
                        ERROR_SUCCESS &&
                    type == REG_DWORD;
    return ok ? value : 0;
  };
  const DWORD w = read(widthValue);
  const DWORD h = read(heightValue);
  RegCloseKey(key);
  if (w != static_cast<DWORD>(width) || h != static_cast<DWORD>(height)) {
    return Fail("stored size " + std::to_string(w) + " x " + std::to_string(h));
  }
  std::printf("stored size %lu x %lu\n", w, h);
  return 0;
}

inline std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace qm::testing
