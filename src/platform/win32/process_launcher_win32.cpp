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

bool win32Launch(const std::wstring& commandLine, bool hidden, std::wstring& error)
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

    // CreateProcessW may write into the line, so it gets a copy of its own.
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');

    PROCESS_INFORMATION info {};
    if (!::CreateProcessW(
            nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        error = systemMessage(::GetLastError());
        return false;
    }
    ::CloseHandle(info.hThread);
    ::CloseHandle(info.hProcess);
    return true;
}
