#pragma once

// Qt-free: Win32 and the standard library only, so that it also builds with
// the mingw-w64 cross compiler.

#include <string>

// Starts `commandLine` unchanged with CreateProcessW, its first window shown
// normally (SW_SHOWNORMAL) or hidden (SW_HIDE), and returns at once without
// waiting. With an `outputFile` path, the program's standard output and error
// are appended to that file (created when missing) and its standard input is
// empty. On failure returns false and puts the system's message in `error`;
// an empty line, or one holding a NUL character, is refused the same way.
bool win32Launch(
    const std::wstring& commandLine, bool hidden, const std::wstring& outputFile, std::wstring& error);
