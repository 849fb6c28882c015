// Small pieces every step driver of the Wine tests needs: a failure with its
// reason, polling until something happens, whole-file reads and writes,
// finding a control by its text, resizing a window and reading a stored size.
#pragma once

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

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
