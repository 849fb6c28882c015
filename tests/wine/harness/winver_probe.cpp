// Tells whether Wine reports the Windows family a test asked for: the
// program's 95/98 and NT code paths are chosen by dwPlatformId, so WINVER is
// only worth having if this value follows it.
//   qm_wine_winver_probe <expected dwPlatformId>   (1 = 95/98/ME, 2 = NT family)
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: qm_wine_winver_probe <expected dwPlatformId>\n");
        return 2;
    }
    const unsigned long expected = std::strtoul(argv[1], nullptr, 10);

    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExA(&info)) {
        std::fprintf(stderr, "GetVersionExA failed: %lu\n", GetLastError());
        return 1;
    }
    std::printf("dwPlatformId %lu, version %lu.%lu build %lu\n", info.dwPlatformId,
                info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber & 0xFFFF);
    if (info.dwPlatformId != expected) {
        std::fprintf(stderr, "expected dwPlatformId %lu\n", expected);
        return 1;
    }
    return 0;
}
