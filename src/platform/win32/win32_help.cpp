#include <windows.h>

#include "platform/win32/win32_services.h"

namespace qm::win32 {

namespace {

using HtmlHelpFn = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
constexpr WORD kHtmlHelpOrdinal = 14;  // HtmlHelpA
constexpr UINT kHelpCloseAll = 0x0012;  // HH_CLOSE_ALL

}  // namespace

// The viewer may still be open when the program ends; its windows live in
// the library, so they are closed before the library goes, or a message to
// them would run code that is no longer there.
Win32Help::~Win32Help() {
  if (entry_ != nullptr) reinterpret_cast<HtmlHelpFn>(entry_)(nullptr, nullptr, kHelpCloseAll, 0);
  if (library_ != 0) ::FreeLibrary(reinterpret_cast<HMODULE>(library_));
}

bool Win32Help::HtmlHelp(WindowHandle owner, const std::string& file, std::uint32_t command, std::uintptr_t data) {
  if (library_ == 0) {
    library_ = reinterpret_cast<ModuleHandle>(::LoadLibraryA("HHCTRL.OCX"));
    if (library_ == 0) return false;
    entry_ = reinterpret_cast<void*>(
        ::GetProcAddress(reinterpret_cast<HMODULE>(library_), reinterpret_cast<LPCSTR>(kHtmlHelpOrdinal)));
  }
  if (entry_ == nullptr) return false;
  reinterpret_cast<HtmlHelpFn>(entry_)(reinterpret_cast<HWND>(owner), file.c_str(), command, data);
  return true;
}

}  // namespace qm::win32
