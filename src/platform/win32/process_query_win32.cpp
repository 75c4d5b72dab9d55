#include "process_query_win32.h"

#include <tlhelp32.h>

std::optional<std::vector<int>> win32CountProcesses(const std::vector<std::wstring>& imageNames)
{
    return win32CountProcessesInSnapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0), imageNames);
}

std::optional<std::vector<int>> win32CountProcessesInSnapshot(
    HANDLE snapshot, const std::vector<std::wstring>& imageNames)
{
    if (snapshot == INVALID_HANDLE_VALUE)
        return std::nullopt;

    std::vector<int> counts(imageNames.size(), 0);
    PROCESSENTRY32W entry {};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32FirstW(snapshot, &entry); more; more = ::Process32NextW(snapshot, &entry)) {
        for (size_t i = 0; i < imageNames.size(); ++i) {
            if (::CompareStringOrdinal(
                    entry.szExeFile, -1, imageNames[i].c_str(), static_cast<int>(imageNames[i].size()), TRUE)
                == CSTR_EQUAL)
                ++counts[i];
        }
    }
    // A complete walk ends with ERROR_NO_MORE_FILES; any other reason means
    // part of the list was never seen.
    const bool complete = ::GetLastError() == ERROR_NO_MORE_FILES;
    ::CloseHandle(snapshot);
    return complete ? std::optional(counts) : std::nullopt;
}
