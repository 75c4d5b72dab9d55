#include "process_query_win32.h"

#include <tlhelp32.h>

#include <algorithm>

namespace {

// Whether the process runs in one of `jobs`; a process that cannot be
// opened (it ended, or it is another user's) runs in none of the panel's.
bool runsInOneOf(DWORD pid, const std::vector<HANDLE>& jobs)
{
    if (jobs.empty())
        return false;
    const HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!process)
        return false;
    const bool inJob = std::any_of(jobs.begin(), jobs.end(), [process](HANDLE job) {
        BOOL in = FALSE;
        return ::IsProcessInJob(process, job, &in) && in;
    });
    ::CloseHandle(process);
    return inJob;
}

} // namespace

std::optional<std::vector<int>> win32CountProcesses(
    const std::vector<std::wstring>& imageNames, const std::vector<HANDLE>& skippedJobs)
{
    return win32CountProcessesInSnapshot(
        ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0), imageNames, skippedJobs);
}

std::optional<std::vector<int>> win32CountProcessesInSnapshot(
    HANDLE snapshot, const std::vector<std::wstring>& imageNames, const std::vector<HANDLE>& skippedJobs)
{
    if (snapshot == INVALID_HANDLE_VALUE)
        return std::nullopt;

    std::vector<int> counts(imageNames.size(), 0);
    PROCESSENTRY32W entry {};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32FirstW(snapshot, &entry); more; more = ::Process32NextW(snapshot, &entry)) {
        std::vector<size_t> matched;
        for (size_t i = 0; i < imageNames.size(); ++i) {
            if (::CompareStringOrdinal(
                    entry.szExeFile, -1, imageNames[i].c_str(), static_cast<int>(imageNames[i].size()), TRUE)
                == CSTR_EQUAL)
                matched.push_back(i);
        }
        // Only a process that would count is looked up in the jobs.
        if (matched.empty() || runsInOneOf(entry.th32ProcessID, skippedJobs))
            continue;
        for (const size_t i : matched)
            ++counts[i];
    }
    // A complete walk ends with ERROR_NO_MORE_FILES; any other reason means
    // part of the list was never seen.
    const bool complete = ::GetLastError() == ERROR_NO_MORE_FILES;
    ::CloseHandle(snapshot);
    return complete ? std::optional(counts) : std::nullopt;
}
