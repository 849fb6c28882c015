#pragma once

// Starting qm_test_helper.exe from a Windows test program: copies under known
// names, a start that waits until the helper's windows exist, and an end
// that never leaves a helper behind.

#include <windows.h>

#include <string>
#include <vector>

namespace qm::testing {

// The folder of the running exe, with its trailing backslash.
std::string ExeDir();

// The helper is built in both widths and lies beside the running exe as
// qm_test_helper32.exe and qm_test_helper64.exe: a program must see and end
// processes of the other width as well as of its own.
enum class Width { Bits32, Bits64 };
Width OwnWidth();
Width OtherWidth();
const char* Name(Width width);  // "32-bit" or "64-bit"
std::string HelperExe(Width width);

// Copies the helper of `width` to `path`, making its folder first; false on
// failure. The other width is the default: the case across the 32/64-bit
// line is the one a program most easily gets wrong.
bool CopyHelperTo(const std::string& path, Width width = OtherWidth());

// The folder where the system's own programs lie (System32 of a 64-bit
// system), as this program reaches it, with its trailing backslash: a 32-bit
// program on 64-bit Windows must say Sysnative, as its System32 is SysWOW64.
std::string NativeSystemFolder();

struct StartedHelper {
  DWORD pid = 0;
  HANDLE process = nullptr;  // owned: End() closes it
};

// Starts `exePath` with `args` (already quoted as needed) plus a ready file,
// and waits up to `timeoutMs` until the helper reports its windows exist.
// A helper that fails to start or to get ready is ended; pid stays 0.
StartedHelper StartHelper(const std::string& exePath, const std::string& args, DWORD timeoutMs = 30000);

// Ends the helper by force if it still runs and closes its handle.
void End(StartedHelper& helper);

// The full path of a running process's program, of either width (the module
// list of a 64-bit process cannot be read from a 32-bit one); empty on failure.
std::string ImagePath(DWORD pid);

// Quotes one argument for a command line.
std::string Quote(const std::string& text);

}  // namespace qm::testing
