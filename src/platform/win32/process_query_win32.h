#pragma once

// Qt-free: Win32 and the standard library only, so that it also builds with
// the mingw-w64 cross compiler.

#include <windows.h>

#include <string>

// How many processes of the local machine run under `imageName` (the
// executable's file name, for example bitcoind.exe), compared without regard
// to letter case. -1 when the process list cannot be read.
int win32CountProcesses(const std::wstring& imageName);

// The same count over a Toolhelp32 process snapshot, which it closes. -1 when
// `snapshot` is INVALID_HANDLE_VALUE or its walk stops on an error before the
// end, so a half-read list never passes for a complete one.
int win32CountProcessesInSnapshot(HANDLE snapshot, const std::wstring& imageName);
