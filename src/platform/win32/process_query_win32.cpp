#include "process_query_win32.h"

#include <tlhelp32.h>

#include <algorithm>

std::optional<std::vector<int>> win32CountProcesses(
    const std::vector<std::wstring>& imageNames, const std::vector<unsigned long>& skippedPids)
{
    return win32CountProcessesInSnapshot(
        ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0), imageNames, skippedPids);
}

std::optional<std::vector<int>> win32CountProcessesInSnapshot(HANDLE snapshot,
    const std::vector<std::wstring>& imageNames, const std::vector<unsigned long>& skippedPids)
{
    if (snapshot == INVALID_HANDLE_VALUE)
        return std::nullopt;

    std::vector<int> counts(imageNames.size(), 0);
    PROCESSENTRY32W entry {};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32FirstW(snapshot, &entry); more; more = ::Process32NextW(snapshot, &entry)) {
        if (std::find(skippedPids.begin(), skippedPids.end(), entry.th32ProcessID) != skippedPids.end())
            continue;
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
