#pragma once

#include <cstdint>

namespace qm {

// Opaque values that stand for the Windows handles of the same names. They are
// plain integers so that code above the platform never sees <windows.h>; zero
// is the null handle everywhere, as it is for the Windows calls they wrap.
using ProcessId = std::uint32_t;
using WindowHandle = std::uintptr_t;
using ModuleHandle = std::uintptr_t;
using ObjectHandle = std::uintptr_t;  // a process or a Toolhelp snapshot
using IconHandle = std::uintptr_t;

}  // namespace qm
