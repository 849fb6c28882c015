// Shows every window built so far on a real (Wine) screen.
//   qm_gallery screenshots [folder]  saves a PNG of each window (default:
//                                    $QM_SCREENSHOT_DIR); fails on a blank capture
//   qm_gallery attention             shows the Attention window modally and lets a
//                                    second process find it, read it and press OK
//   qm_gallery attention-client TEXT that second process
//   qm_gallery contract              the toolkit's event contract on real controls
#include "contract_check.h"
#include "png_writer.h"
#include "sample_window.h"
#include "screen_pixels.h"
#include "ui/messages/attention.h"
#include "ui/messages/empty_boxes.h"
#include "ui/messages/notfound.h"
#include "ui/messages/preregistry.h"
#include "ui/messages/terminating_status.h"
#include "ui/toolkit/win32/win32_backend.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

namespace {

using namespace qm;

const char* const kAttentionText =
    "There are no processes listed for termination.  If you wanted to browse a list of running processes, use the "
    "BrowseKill option.";

void pump(DWORD ms)
{
    const DWORD end = GetTickCount() + ms;
    while (static_cast<LONG>(end - GetTickCount()) > 0) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(20);
    }
}

HWND windowOf(const ui::Form& form) { return static_cast<HWND>(ui::win32::Win32Backend::handleOf(form)); }

// Copies what the screen shows inside the window's rectangle.
bool capture(HWND hwnd, const std::string& path)
{
    RECT r;
    GetWindowRect(hwnd, &r);
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    if (w <= 0 || h <= 0) {
        return false;
    }
    std::vector<std::uint32_t> pixels = qm::testing::ScreenPixels(r.left, r.top, w, h);

    int distinct = 0;
    for (std::uint32_t p : pixels) {
        if (p != pixels[0]) {
            ++distinct;
        }
    }
    if (distinct == 0) {
        std::fprintf(stderr, "capture of %s is a single colour\n", path.c_str());
        return false;
    }
    return gallery::writePng(path, w, h, pixels);
}

int screenshots(std::string folder)
{
    if (folder.empty()) {
        return 2;
    }
    if (folder[0] == '/') {
        folder = "Z:" + folder;  // a host path, as the harness passes it
    }
    CreateDirectoryA(folder.c_str(), nullptr);

    ui::win32::Win32Backend backend;
    ui::Application app(backend);
    app.setTitle("Quellmarch");
    TTerminatingStatus status;
    Tattention attention;
    TEmptyBoxes emptyBoxes;
    Tnotfound notfound;
    Tpreregistry preregistry;
    gallery::TControlSample sample;
    for (ui::Form* f : std::vector<ui::Form*>{&status, &attention, &emptyBoxes, &notfound, &preregistry, &sample}) {
        app.add(*f);
    }
    status.setStatusText("Terminating: winamp.exe");
    status.setProgress(40);
    attention.Memo1.setText(kAttentionText);
    notfound.Memo3.setText("C:\\Program Files\\Quellmarch\\ConfigurationFiles\\Gaming.qmf");

    struct Shot {
        ui::Form* form;
        const char* file;
        int page = 0;
    };
    const Shot shots[] = {{&status, "status.png"},           {&attention, "attention.png"},
                          {&emptyBoxes, "empty-boxes.png"},  {&notfound, "notfound.png"},
                          {&preregistry, "preregistry.png"}, {&sample, "control-sample.png"},
                          {&sample, "control-sample-page2.png", 1}};
    int failures = 0;
    for (const Shot& shot : shots) {
        sample.PageControl1.setActivePageIndex(shot.page);
        if (shot.form == &status) {
            status.showWithoutFocus();
        } else {
            shot.form->show();
        }
        pump(700);
        HWND hwnd = windowOf(*shot.form);
        const std::string path = folder + "/" + shot.file;
        if (hwnd == nullptr || !IsWindowVisible(hwnd) || !capture(hwnd, path)) {
            std::fprintf(stderr, "FAILED: %s\n", path.c_str());
            ++failures;
        } else {
            std::printf("saved %s\n", path.c_str());
        }
        shot.form->hide();
        pump(100);
    }
    std::printf("%d passed, %d failed\n", static_cast<int>(std::size(shots)) - failures, failures);
    return failures == 0 ? 0 : 1;
}

// The automation side: find the window by caption, read its text, press OK.
int attentionClient(const std::string& expected)
{
    HWND found = nullptr;
    for (int tries = 0; tries < 150 && found == nullptr; ++tries) {
        HWND candidate = nullptr;
        while ((candidate = FindWindowExA(nullptr, candidate, nullptr, "Attention")) != nullptr) {
            if (IsWindowVisible(candidate)) {
                found = candidate;
                break;
            }
        }
        if (found == nullptr) {
            Sleep(100);
        }
    }
    if (found == nullptr) {
        std::fprintf(stderr, "no visible window with the caption \"Attention\"\n");
        return 3;
    }
    HWND edit = FindWindowExA(found, nullptr, "Edit", nullptr);
    char text[1024] = {};
    if (edit != nullptr) {
        SendMessageA(edit, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    }
    if (expected != text) {
        std::fprintf(stderr, "the Attention window reads \"%s\"\n", text);
        return 4;
    }
    HWND ok = FindWindowExA(found, nullptr, "Button", "OK");
    if (ok == nullptr) {
        std::fprintf(stderr, "the Attention window has no OK button\n");
        return 5;
    }
    SendMessageA(ok, BM_CLICK, 0, 0);
    return 0;
}

int attentionTest()
{
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string command = std::string("\"") + self + "\" attention-client \"" + kAttentionText + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION client{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &client)) {
        std::fprintf(stderr, "cannot start the automation client\n");
        return 2;
    }

    ui::win32::Win32Backend backend;
    ui::Application app(backend);
    app.setTitle("Quellmarch");
    TEmptyBoxes emptyBoxes;  // a second "Attention" caption, hidden: the client must pick the visible one
    Tattention attention;
    app.add(emptyBoxes);
    app.add(attention);
    // If the client never presses OK, a timer ends the wait so the test fails instead of hanging.
    SetTimer(nullptr, 0, 30000, [](HWND, UINT, UINT_PTR, DWORD) CALLBACK { PostQuitMessage(9); });
    attention.ShowAttention(kAttentionText);
    const bool pressedOk = attention.modalResult() == ui::ModalResult::Ok;

    DWORD clientExit = 1;
    WaitForSingleObject(client.hProcess, 20000);
    GetExitCodeProcess(client.hProcess, &clientExit);
    CloseHandle(client.hThread);
    CloseHandle(client.hProcess);
    const bool hidden = !IsWindowVisible(windowOf(attention));
    std::printf("client exit %lu, result %s, window hidden %d\n", static_cast<unsigned long>(clientExit),
                ui::toString(attention.modalResult()), hidden ? 1 : 0);
    const bool passed = clientExit == 0 && pressedOk && hidden;
    std::printf("%d passed, %d failed\n", passed ? 1 : 0, passed ? 0 : 1);
    return passed ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "screenshots") {
        const char* env = std::getenv("QM_SCREENSHOT_DIR");
        return screenshots(argc > 2 ? argv[2] : env != nullptr ? env : "");
    }
    if (mode == "attention") {
        return attentionTest();
    }
    if (mode == "contract") {
        return gallery::runContractCheck();
    }
    if (mode == "attention-client" && argc > 2) {
        return attentionClient(argv[2]);
    }
    std::fprintf(stderr, "usage: qm_gallery screenshots [folder] | attention | contract\n");
    return 2;
}
