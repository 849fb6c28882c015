#pragma once

#include <array>
#include <string_view>

namespace qm {

// Processes that must never be offered for termination, tested in this order.
// The last is this program's own executable.
inline constexpr std::array<std::string_view, 11> UnsafeProcessNames = {
    "KERNEL32.DLL", "MSGSRV32.EXE", "mmtask.tsk",  "MPREXE.EXE",  "EXPLORER.EXE",   "TASKMON.EXE",
    "SYSTRAY.EXE",  "SPOOL32.EXE",  "RUNDLL32.EXE", "DDHELP.EXE", "QUELLMARCH.EXE",
};

// True when one of the names occurs anywhere in `text`, letter case
// significant: "Explorer.EXE" is not a match.
bool IsUnsafeToTerminate(std::string_view text);

}  // namespace qm
