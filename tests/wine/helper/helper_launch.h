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

// Copies qm_test_helper.exe (beside the running exe) to `path`, making its
// folder first; false on failure.
bool CopyHelperTo(const std::string& path);

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

// Quotes one argument for a command line.
std::string Quote(const std::string& text);

}  // namespace qm::testing
