#pragma once

// Qt-free: Win32 and the standard library only, so that it also builds with
// the mingw-w64 cross compiler.

#include <string>

// A program that win32Launch started: its process, the job object that holds
// it and every process it starts (null where the system gave none), and the
// read end of the pipe its standard output and error go into (null when its
// output is not taken). Handles, closed by win32Release.
struct Win32Program {
    void* process = nullptr;
    void* job = nullptr;
    void* output = nullptr;
};

// Starts `commandLine` unchanged with CreateProcessW, its first window shown
// normally (SW_SHOWNORMAL) or hidden (SW_HIDE), in a job object of its own,
// and returns at once without waiting. With `pipeOutput`, the program's
// standard output and error go into a pipe whose read end is
// `program.output`, and its standard input is empty. On failure returns
// false and puts the system's message in `error`; an empty line, or one
// holding a NUL character, is refused the same way.
bool win32Launch(const std::wstring& commandLine, bool hidden, bool pipeOutput, Win32Program& program,
    std::wstring& error);

// Waits until the started process has ended; its exit code.
unsigned long win32WaitForExit(const Win32Program& program);

// Whether a process of the job still runs; without a job, whether the
// started process does.
bool win32GroupRunning(const Win32Program& program);

// Reads what the output pipe holds, waiting for some: the number of bytes
// read, or 0 once every process holding its write end has closed it.
long win32ReadOutput(const Win32Program& program, char* buffer, unsigned long size);

void win32Release(Win32Program& program);
