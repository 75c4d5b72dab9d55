#include "process_query_win32.h"

#include <windows.h>

#include <tlhelp32.h>

int win32CountProcesses(const std::wstring& imageName)
{
    const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
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
    ::CloseHandle(snapshot);
    return count;
}
