#pragma once

// Qt-free: Win32 and the standard library only, so that it also builds with
// the mingw-w64 cross compiler.

#include <string>

// How many processes of the local machine run under `imageName` (the
// executable's file name, for example bitcoind.exe), compared without regard
// to letter case. -1 when the process snapshot cannot be taken.
int win32CountProcesses(const std::wstring& imageName);
