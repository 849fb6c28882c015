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

// True for a process row of the file at `ownExePath`, in any letter case. The
// name list spells this program's file in capitals, but Windows reports it
// as it was installed ("Quellmarch.exe"), so the list alone never marks it,
// and other running copies of the program would be offered for ending.
bool IsOwnExecutableRow(std::string_view row, std::string_view ownExePath);

}  // namespace qm
