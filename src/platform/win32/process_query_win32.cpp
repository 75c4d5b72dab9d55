#include "process_query_win32.h"

#include <tlhelp32.h>

int win32CountProcesses(const std::wstring& imageName)
{
    return win32CountProcessesInSnapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0), imageName);
}

int win32CountProcessesInSnapshot(HANDLE snapshot, const std::wstring& imageName)
{
    if (snapshot == INVALID_HANDLE_VALUE)
        return -1;

    int count = 0;
    PROCESSENTRY32W entry {};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32FirstW(snapshot, &entry); more; more = ::Process32NextW(snapshot, &entry)) {
        if (::CompareStringOrdinal(
                entry.szExeFile, -1, imageName.c_str(), static_cast<int>(imageName.size()), TRUE)
            == CSTR_EQUAL)
            ++count;
    }
    // A complete walk ends with ERROR_NO_MORE_FILES; any other reason means
    // part of the list was never seen.
    const bool complete = ::GetLastError() == ERROR_NO_MORE_FILES;
    ::CloseHandle(snapshot);
    return complete ? count : -1;
}
