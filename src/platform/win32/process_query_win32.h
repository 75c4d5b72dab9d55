#pragma once

// Qt-free: Win32 and the standard library only, so that it also builds with
// the mingw-w64 cross compiler.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// How many processes of the local machine run under each of `imageNames` (the
// executable's file name, for example bitcoind.exe), in the same order,
// compared without regard to letter case, from one Toolhelp32 snapshot,
// leaving out the processes that run in one of `skippedJobs` (job object
// handles). nullopt when the process list cannot be read.
std::optional<std::vector<int>> win32CountProcesses(
    const std::vector<std::wstring>& imageNames, const std::vector<HANDLE>& skippedJobs = {});

// The same counts over a Toolhelp32 process snapshot, which it closes. nullopt
// when `snapshot` is INVALID_HANDLE_VALUE or its walk stops on an error before
// the end, so a half-read list never passes for a complete one.
std::optional<std::vector<int>> win32CountProcessesInSnapshot(HANDLE snapshot,
    const std::vector<std::wstring>& imageNames, const std::vector<HANDLE>& skippedJobs = {});
