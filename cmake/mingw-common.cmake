# Shared by both MinGW-w64 toolchain files. The "-win32" compiler variant uses
# the Win32 thread model, so the static runtime does not pull in winpthreads.
find_program(CMAKE_CXX_COMPILER NAMES ${QM_MINGW_TRIPLE}-g++-win32 ${QM_MINGW_TRIPLE}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${QM_MINGW_TRIPLE}-windres REQUIRED)
find_program(QM_OBJDUMP NAMES ${QM_MINGW_TRIPLE}-objdump)
set(CMAKE_FIND_ROOT_PATH /usr/${QM_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Targets Windows 2000 (0x0500) so the headers hide what later versions added.
add_compile_definitions(_WIN32_WINNT=0x0500 WINVER=0x0500 _WIN32_IE=0x0500 NOMINMAX)
