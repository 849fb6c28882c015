// A stand-in program for the end-to-end tests: it opens top-level windows
// with given titles and answers a close request the way a test asks. Tests
// copy the exe to known paths and names to get known process rows.
//
//   qm_test_helper.exe [--title TEXT]... [--close exit|ignore|delay:MS]
//                      [--hidden] [--lifetime MS] [--ready FILE]
//                      [--report FILE]
//
// --title     one top-level window per occurrence (none: no window at all)
// --close     on WM_CLOSE: exit at once (default), never, or MS ms later
// --hidden    create the windows without showing them
// --lifetime  exit by itself after MS ms (default 120000), so a helper that a
//             failed test left behind never outlives it by long
// --ready     create FILE once every window exists
// --report    write the command line and the current directory to FILE, one
//             per line, before anything else (how a started program proves
//             what it was started with)
//
// Exit codes: 0 closed, 2 bad arguments, 3 lifetime over.

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

enum class CloseMode { ExitAtOnce, Ignore, Delay };

struct Options {
  std::vector<std::string> titles;
  CloseMode close = CloseMode::ExitAtOnce;
  UINT delayMs = 0;
  bool hidden = false;
  UINT lifetimeMs = 120000;
  std::string readyFile;
  std::string reportFile;
};

constexpr int kExitLifetimeOver = 3;

Options g_options;

bool ParseNumber(const char* text, UINT& out) {
  char* end = nullptr;
  const unsigned long value = std::strtoul(text, &end, 10);
  if (end == text || *end != '\0') return false;
  out = static_cast<UINT>(value);
  return true;
}

bool Parse(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--title" && hasValue) {
      options.titles.emplace_back(argv[++i]);
    } else if (arg == "--close" && hasValue) {
      const std::string mode = argv[++i];
      if (mode == "exit") {
        options.close = CloseMode::ExitAtOnce;
      } else if (mode == "ignore") {
        options.close = CloseMode::Ignore;
      } else if (mode.rfind("delay:", 0) == 0 && ParseNumber(mode.c_str() + 6, options.delayMs)) {
        options.close = CloseMode::Delay;
      } else {
        return false;
      }
    } else if (arg == "--hidden") {
      options.hidden = true;
    } else if (arg == "--lifetime" && hasValue) {
      if (!ParseNumber(argv[++i], options.lifetimeMs)) return false;
    } else if (arg == "--ready" && hasValue) {
      options.readyFile = argv[++i];
    } else if (arg == "--report" && hasValue) {
      options.reportFile = argv[++i];
    } else {
      return false;
    }
  }
  return true;
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      if (g_options.close == CloseMode::ExitAtOnce) {
        PostQuitMessage(0);
      } else if (g_options.close == CloseMode::Delay) {
        SetTimer(nullptr, 0, g_options.delayMs, nullptr);
      }
      return 0;  // the window stays until the process ends
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

void WriteReport(const std::string& path) {
  char directory[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, directory);
  const std::string text = std::string(GetCommandLineA()) + "\r\n" + directory + "\r\n";
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

}  // namespace

int main(int argc, char** argv) {
  if (!Parse(argc, argv, g_options)) return 2;
  if (!g_options.reportFile.empty()) WriteReport(g_options.reportFile);

  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "QmTestHelperWindow";
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  RegisterClassA(&windowClass);

  int offset = 0;
  for (const std::string& title : g_options.titles) {
    HWND window = CreateWindowExA(0, windowClass.lpszClassName, title.c_str(), WS_OVERLAPPEDWINDOW, 40 + offset,
                                  40 + offset, 320, 120, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (window == nullptr) return 4;
    if (!g_options.hidden) ShowWindow(window, SW_SHOWNOACTIVATE);
    offset += 24;
  }

  // Thread timers (no window) arrive in the loop below with hwnd null.
  const UINT_PTR lifetime = SetTimer(nullptr, 0, g_options.lifetimeMs, nullptr);

  if (!g_options.readyFile.empty()) {
    HANDLE ready = CreateFileA(g_options.readyFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    if (ready != INVALID_HANDLE_VALUE) CloseHandle(ready);
  }

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_TIMER && message.hwnd == nullptr) {
      // SetTimer without a window picks its own ids: the lifetime timer is the
      // first one made, any other is the delayed exit.
      return message.wParam == lifetime ? kExitLifetimeOver : 0;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
