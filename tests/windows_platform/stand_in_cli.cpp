// Stands in for a node's command-line client (quorlin-cli.exe): "stop" asks the stand-in node of the same
// -conf file to end; "wrap PROGRAM ARG..." runs PROGRAM as its child and waits for it, as a client that is a
// script does; any other call fails.
#include "stand_in.h"

#include <windows.h>

#include <cstdio>

namespace {

int runAndWait(int argc, wchar_t* argv[])
{
    std::wstring line;
    for (int i = 0; i < argc; ++i)
        line += (i > 0 ? L" \"" : L"\"") + std::wstring(argv[i]) + L'"';
    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started {};
    if (!::CreateProcessW(
            nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
        return 1;
    ::WaitForSingleObject(started.hProcess, INFINITE);
    DWORD exitCode = 1;
    ::GetExitCodeProcess(started.hProcess, &exitCode);
    ::CloseHandle(started.hThread);
    ::CloseHandle(started.hProcess);
    return static_cast<int>(exitCode);
}

} // namespace

int wmain(int argc, wchar_t* argv[])
{
    if (argc > 2 && std::wstring_view(argv[1]) == L"wrap")
        return runAndWait(argc - 2, argv + 2);
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
