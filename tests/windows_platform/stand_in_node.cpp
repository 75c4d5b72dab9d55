// Stands in for a node daemon (quorlind.exe): prints whether its window is hidden and its arguments as it
// split them, joined by "|", then runs until the stand-in client asks it to stop. It ends by itself after two
// minutes, so a failed test leaves nothing running. With "-flood=<n>" it prints n lines of 100 characters and
// "flooded" instead, and fails with exit code 1.
#include "stand_in.h"

#include <windows.h>

#include <cstdio>
#include <string>

int wmain(int argc, wchar_t* argv[])
{
    STARTUPINFOW startup {};
    ::GetStartupInfoW(&startup);
    const bool hidden = (startup.dwFlags & STARTF_USESHOWWINDOW) && startup.wShowWindow == SW_HIDE;
    std::printf("%s ", hidden ? "hidden" : "shown");
    for (int i = 1; i < argc; ++i)
        std::printf(i > 1 ? "|%ls" : "%ls", argv[i]);
    std::printf("\n");
    std::fflush(stdout);

    constexpr std::wstring_view flood = L"-flood=";
    for (int i = 1; i < argc; ++i) {
        if (std::wstring_view(argv[i]).starts_with(flood)) {
            const std::string line(99, 'x');
            for (unsigned long n = std::stoul(argv[i] + flood.size()); n > 0; --n)
                std::puts(line.c_str());
            std::puts("flooded");
            return 1;
        }
    }

    const std::wstring stopRequest = stopRequestFile(argc, argv);
    for (int waited = 0; waited < 1200; ++waited) {
        if (::GetFileAttributesW(stopRequest.c_str()) != INVALID_FILE_ATTRIBUTES) {
            std::printf("stopped\n");
            return 0;
        }
        ::Sleep(100);
    }
    std::printf("no stop request came\n");
    return 1;
}
