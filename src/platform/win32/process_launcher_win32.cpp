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

} // namespace

bool win32Launch(
    const std::wstring& commandLine, bool hidden, const std::wstring& outputFile, std::wstring& error)
{
    // An empty line names no program. A line with a NUL in it would reach the
    // child cut short at the NUL, so it runs nothing rather than something else.
    if (commandLine.empty() || commandLine.find(L'\0') != std::wstring::npos) {
        error = systemMessage(ERROR_INVALID_PARAMETER);
        return false;
    }

    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(hidden ? SW_HIDE : SW_SHOWNORMAL);

    // The output file is opened for appending by an inheritable handle that
    // the child gets as both output streams; the panel closes its own copy.
    HANDLE output = INVALID_HANDLE_VALUE;
    if (!outputFile.empty()) {
        SECURITY_ATTRIBUTES inheritable { sizeof inheritable, nullptr, TRUE };
        output = ::CreateFileW(outputFile.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
            &inheritable, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (output == INVALID_HANDLE_VALUE) {
            error = systemMessage(::GetLastError());
            return false;
        }
        startup.dwFlags |= STARTF_USESTDHANDLES;
        startup.hStdInput = nullptr;
        startup.hStdOutput = output;
        startup.hStdError = output;
    }

    // CreateProcessW may write into the line, so it gets a copy of its own.
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');

    PROCESS_INFORMATION info {};
    const BOOL started = ::CreateProcessW(nullptr, line.data(), nullptr, nullptr,
        output != INVALID_HANDLE_VALUE, 0, nullptr, nullptr, &startup, &info);
    const DWORD failure = started ? 0 : ::GetLastError();
    if (output != INVALID_HANDLE_VALUE)
        ::CloseHandle(output);
    if (!started) {
        error = systemMessage(failure);
        return false;
    }
    ::CloseHandle(info.hThread);
    ::CloseHandle(info.hProcess);
    return true;
}
