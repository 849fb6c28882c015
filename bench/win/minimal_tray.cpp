// The yardstick of the start-up benchmark: the least a tray utility does to
// start, act and quit. It adds its icon, lists the running processes once
// through PSAPI (as the program's own listing does) and removes the icon.
//
//   qm_minimal_tray.exe           start, act, quit
//   qm_minimal_tray.exe --stay    a window that stays until the process is
//                                 ended, keeping Wine's desktop up between runs
#include <windows.h>
#include <shellapi.h>

namespace {

using EnumProcessesFn = BOOL(WINAPI*)(DWORD*, DWORD, DWORD*);
using EnumProcessModulesFn = BOOL(WINAPI*)(HANDLE, HMODULE*, DWORD, DWORD*);
using GetModuleFileNameExAFn = DWORD(WINAPI*)(HANDLE, HMODULE, LPSTR, DWORD);

template <typename Fn>
Fn Entry(HMODULE module, const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

int ListProcessesOnce() {
  HMODULE psapi = LoadLibraryA("PSAPI.DLL");
  if (psapi == nullptr) return 0;
  const auto enumProcesses = Entry<EnumProcessesFn>(psapi, "EnumProcesses");
  const auto enumModules = Entry<EnumProcessModulesFn>(psapi, "EnumProcessModules");
  const auto fileName = Entry<GetModuleFileNameExAFn>(psapi, "GetModuleFileNameExA");
  int named = 0;
  static DWORD ids[1024];
  DWORD bytes = 0;
  if (enumProcesses != nullptr && enumModules != nullptr && fileName != nullptr &&
      enumProcesses(ids, sizeof ids, &bytes)) {
    for (DWORD i = 0; i < bytes / sizeof(DWORD); ++i) {
      HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, ids[i]);
      if (process == nullptr) continue;
      HMODULE exe = nullptr;
      DWORD needed = 0;
      char name[MAX_PATH];
      if (enumModules(process, &exe, sizeof exe, &needed) && fileName(process, exe, name, MAX_PATH) > 0) ++named;
      CloseHandle(process);
    }
  }
  FreeLibrary(psapi);
  return named;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = "QmMinimalTray";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(0, windowClass.lpszClassName, "Minimal tray", WS_OVERLAPPED, 0, 0, 1, 1, nullptr,
                                nullptr, instance, nullptr);
  if (lstrcmpA(commandLine, "--stay") == 0) {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
  }

  NOTIFYICONDATAA icon{};
  icon.cbSize = sizeof icon;
  icon.hWnd = window;
  icon.uID = 1;
  icon.uFlags = NIF_ICON | NIF_TIP;
  icon.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
  lstrcpynA(icon.szTip, "Minimal tray", sizeof icon.szTip);
  Shell_NotifyIconA(NIM_ADD, &icon);
  const int named = ListProcessesOnce();
  Shell_NotifyIconA(NIM_DELETE, &icon);
  DestroyWindow(window);
  return named > 0 ? 0 : 1;
}
