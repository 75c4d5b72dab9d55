#include "process_query_win32.h"

#include <tlhelp32.h>

#include <algorithm>

namespace {

// The ids of the processes that run in `jobs`, read after the snapshot was
// taken, so that every process of a job that the snapshot lists is among
// them. Read from the jobs themselves, not with IsProcessInJob, which wine
// answers with "not in the job" for every process.
std::vector<ULONG_PTR> processesInJobs(const std::vector<HANDLE>& jobs)
{
    std::vector<ULONG_PTR> pids;
    for (const HANDLE job : jobs) {
        // The list's two counts take the place of one id; it grows at most
        // twice, when processes joined the job between two reads.
        std::vector<ULONG_PTR> buffer(16);
        for (int read = 0; read < 3; ++read) {
            auto* list = reinterpret_cast<JOBOBJECT_BASIC_PROCESS_ID_LIST*>(buffer.data());
            if (::QueryInformationJobObject(job, JobObjectBasicProcessIdList, list,
                    static_cast<DWORD>(buffer.size() * sizeof(ULONG_PTR)), nullptr)) {
                pids.insert(
                    pids.end(), list->ProcessIdList, list->ProcessIdList + list->NumberOfProcessIdsInList);
                break;
            }
            if (::GetLastError() != ERROR_MORE_DATA)
                break;
            buffer.resize(1 + list->NumberOfAssignedProcesses + 16);
        }
    }
    return pids;
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

    const std::vector<ULONG_PTR> skippedPids = processesInJobs(skippedJobs);
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
