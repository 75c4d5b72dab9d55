#include "process_launcher_win32.h"

#include <windows.h>

#include <vector>

namespace {

std::wstring systemMessage(DWORD code)
{
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = length ? std::wstring(text, length) : L"Error " + std::to_wstring(code);
    ::LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r'))
        message.pop_back();
    return message;
}

bool fail(std::wstring& error, DWORD code)
{
    error = systemMessage(code);
    return false;
}

} // namespace

bool win32Launch(
    const std::wstring& commandLine, bool hidden, bool pipeOutput, Win32Program& program, std::wstring& error)
{
    // An empty line names no program. A line with a NUL in it would reach the
    // child cut short at the NUL, so it runs nothing rather than something else.
    if (commandLine.empty() || commandLine.find(L'\0') != std::wstring::npos)
        return fail(error, ERROR_INVALID_PARAMETER);

    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(hidden ? SW_HIDE : SW_SHOWNORMAL);

    // The child gets the pipe's write end, inheritable, as both output
    // streams; the panel keeps only the read end, which no child inherits.
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (pipeOutput) {
        SECURITY_ATTRIBUTES inheritable { sizeof inheritable, nullptr, TRUE };
        if (!::CreatePipe(&readEnd, &writeEnd, &inheritable, 0))
            return fail(error, ::GetLastError());
        ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
        startup.dwFlags |= STARTF_USESTDHANDLES;
        startup.hStdInput = nullptr;
        startup.hStdOutput = writeEnd;
        startup.hStdError = writeEnd;
    }

    // CreateProcessW may write into the line, so it gets a copy of its own.
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');

    // Started suspended, so that it is in its job before it can start another process.
    PROCESS_INFORMATION info {};
    const BOOL started = ::CreateProcessW(nullptr, line.data(), nullptr, nullptr, pipeOutput,
        CREATE_SUSPENDED, nullptr, nullptr, &startup, &info);
    const DWORD failure = started ? 0 : ::GetLastError();
    if (writeEnd)
        ::CloseHandle(writeEnd);
    if (!started) {
        if (readEnd)
            ::CloseHandle(readEnd);
        return fail(error, failure);
    }
    HANDLE job = ::CreateJobObjectW(nullptr, nullptr);
    if (job && !::AssignProcessToJobObject(job, info.hProcess)) {
        ::CloseHandle(job);
        job = nullptr;
    }
    ::ResumeThread(info.hThread);
    ::CloseHandle(info.hThread);
    program = { info.hProcess, job, readEnd };
    return true;
}

unsigned long win32WaitForExit(const Win32Program& program)
{
    DWORD code = 0;
    ::WaitForSingleObject(program.process, INFINITE);
    ::GetExitCodeProcess(program.process, &code);
    return code;
}

bool win32GroupRunning(const Win32Program& program)
{
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting {};
    if (program.job
        && ::QueryInformationJobObject(
            program.job, JobObjectBasicAccountingInformation, &accounting, sizeof accounting, nullptr))
        return accounting.ActiveProcesses > 0;
    return ::WaitForSingleObject(program.process, 0) == WAIT_TIMEOUT;
}

long win32ReadOutput(const Win32Program& program, char* buffer, unsigned long size)
{
    // A write of nothing by the child reads as nothing: read on.
    DWORD got = 0;
    while (::ReadFile(program.output, buffer, size, &got, nullptr))
        if (got > 0)
            return static_cast<long>(got);
    return 0;
}

void win32Release(Win32Program& program)
{
    for (void* handle : { program.process, program.job, program.output })
        if (handle)
            ::CloseHandle(handle);
    program = {};
}
