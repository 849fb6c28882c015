// Checks the helper program itself, since every later end-to-end test leans
// on its answers to close requests: exit at once, exit later, never; and the
// lifetime cap that keeps a forgotten helper from running on.

#include <windows.h>

#include <cstdio>
#include <initializer_list>
#include <string>

#include "helper_launch.h"

namespace {

int g_failures = 0;

void Check(bool ok, const std::string& what) {
  if (!ok) {
    ++g_failures;
    std::printf("FAIL: %s\n", what.c_str());
  }
}

struct Found {
  DWORD pid;
  const char* title;
  HWND window;
};

HWND WindowOf(DWORD pid, const char* title) {
  Found found{pid, title, nullptr};
  EnumWindows(
      [](HWND window, LPARAM context) CALLBACK -> BOOL {
        auto* f = reinterpret_cast<Found*>(context);
        DWORD owner = 0;
        char text[110] = {};
        GetWindowThreadProcessId(window, &owner);
        GetWindowTextA(window, text, sizeof(text));
        if (owner == f->pid && std::string(text) == f->title) {
          f->window = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found.window;
}

DWORD ExitCode(HANDLE process) {
  DWORD code = 0;
  GetExitCodeProcess(process, &code);
  return code;
}

// Starts a helper with one window, posts WM_CLOSE to it, and reports how the
// helper answered within the two waits.
void CloseCase(qm::testing::Width width, const std::string& closeMode, DWORD notBeforeMs, DWORD byMs,
               bool shouldExit) {
  const std::string what = std::string(qm::testing::Name(width)) + " --close " + closeMode;
  qm::testing::StartedHelper helper = qm::testing::StartHelper(
      qm::testing::HelperExe(width), "--lifetime 30000 --close " + closeMode + " --title \"Close me\"");
  if (helper.pid == 0) {
    Check(false, what + ": started");
    return;
  }
  HWND window = WindowOf(helper.pid, "Close me");
  Check(window != nullptr, what + ": window with its title");
  if (window != nullptr) PostMessageA(window, WM_CLOSE, 0, 0);
  if (notBeforeMs > 0) {
    Check(WaitForSingleObject(helper.process, notBeforeMs) == WAIT_TIMEOUT, what + ": still running after " +
                                                                                std::to_string(notBeforeMs) + " ms");
  }
  const DWORD ended = WaitForSingleObject(helper.process, byMs);
  if (shouldExit) {
    Check(ended == WAIT_OBJECT_0 && ExitCode(helper.process) == 0, what + ": exited with 0 within " +
                                                                       std::to_string(byMs) + " ms");
  } else {
    Check(ended == WAIT_TIMEOUT, what + ": ignored the request");
  }
  qm::testing::End(helper);
}

}  // namespace

int main() {
  for (qm::testing::Width width : {qm::testing::Width::Bits32, qm::testing::Width::Bits64}) {
    CloseCase(width, "exit", 0, 5000, true);
    CloseCase(width, "delay:1500", 700, 10000, true);
    CloseCase(width, "ignore", 0, 1500, false);

    qm::testing::StartedHelper capped = qm::testing::StartHelper(qm::testing::HelperExe(width), "--lifetime 500");
    Check(capped.pid != 0 && WaitForSingleObject(capped.process, 10000) == WAIT_OBJECT_0 &&
              ExitCode(capped.process) == 3,
          std::string(qm::testing::Name(width)) + ": --lifetime ends the helper with exit code 3");
    qm::testing::End(capped);
  }

  std::printf("%s: %d failure(s)\n", g_failures == 0 ? "PASS" : "FAIL", g_failures);
  return g_failures == 0 ? 0 : 1;
}
