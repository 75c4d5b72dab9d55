// Stands in for a node's command-line client (quorlin-cli.exe): "stop" asks
// the stand-in node of the same -conf file to end; any other call fails.
#include "stand_in.h"

#include <windows.h>

#include <cstdio>

int wmain(int argc, wchar_t* argv[])
{
    const std::wstring stopRequest = stopRequestFile(argc, argv);
    if (stopRequest.empty() || std::wstring_view(argv[argc - 1]) != L"stop") {
        std::fputs("error: this client knows only -conf=<file> ... stop\n", stderr);
        return 1;
    }
    const HANDLE file = ::CreateFileW(
        stopRequest.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        std::fputs("error: the stop request could not be written\n", stderr);
        return 1;
    }
    ::CloseHandle(file);
    std::puts("Quorlin server stopping");
    return 0;
}
