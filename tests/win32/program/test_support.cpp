#include "test_support.h"

#include <string_view>
#include <vector>

std::wstring ownPath()
{
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size())
            return std::wstring(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

std::wstring fileNameOf(const std::wstring& path)
{
    return path.substr(path.find_last_of(L"\\/") + 1);
}

std::wstring upperCase(std::wstring text)
{
    ::CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

std::wstring lowerCase(std::wstring text)
{
    ::CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

TempFolder::TempFolder()
{
    wchar_t temp[MAX_PATH + 1];
    const DWORD length = ::GetTempPathW(MAX_PATH + 1, temp);
    m_path = std::wstring(temp, length) + L"quorlin win32 tests " + std::to_wstring(::GetCurrentProcessId());
    ::CreateDirectoryW(m_path.c_str(), nullptr);
}

TempFolder::~TempFolder()
{
    WIN32_FIND_DATAW found;
    const HANDLE search = ::FindFirstFileW(file(L"*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                ::DeleteFileW(file(found.cFileName).c_str());
        } while (::FindNextFileW(search, &found));
        ::FindClose(search);
    }
    ::RemoveDirectoryW(m_path.c_str());
}

ChildProcess::ChildProcess(const std::wstring& commandLine)
{
    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    std::wstring line = commandLine;
    if (!::CreateProcessW(
            nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &m_info))
        m_info = {};
}

ChildProcess::~ChildProcess()
{
    end();
}

void ChildProcess::end()
{
    if (!started())
        return;
    ::TerminateProcess(m_info.hProcess, 0);
    ::WaitForSingleObject(m_info.hProcess, 30000);
    ::CloseHandle(m_info.hThread);
    ::CloseHandle(m_info.hProcess);
    m_info = {};
}

namespace {

std::optional<std::wstring> readFile(const std::wstring& path)
{
    const HANDLE file = ::CreateFileW(
        path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::wstring text(::GetFileSize(file, nullptr) / sizeof(wchar_t), L'\0');
    DWORD read = 0;
    const BOOL ok
        = ::ReadFile(file, text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &read, nullptr);
    ::CloseHandle(file);
    if (!ok)
        return std::nullopt;
    text.resize(read / sizeof(wchar_t));
    return text;
}

bool writeFile(const std::wstring& path, const std::wstring& text)
{
    const HANDLE file = ::CreateFileW(
        path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const DWORD size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    const BOOL ok = ::WriteFile(file, text.data(), size, &written, nullptr);
    ::CloseHandle(file);
    return ok && written == size;
}

int echoCommandLine(const std::wstring& path)
{
    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    ::GetStartupInfoW(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
    const std::wstring partial = path + L".part";
    if (!writeFile(partial, std::to_wstring(show) + L'\n' + ::GetCommandLineW()))
        return 1;
    return ::MoveFileExW(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}

int waitForProcess(const std::wstring& pid)
{
    const HANDLE process = ::OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(std::stoul(pid)));
    if (!process)
        return 1;
    // Ends with the test program at the latest, or after two minutes if nobody ends it.
    ::WaitForSingleObject(process, 120000);
    ::CloseHandle(process);
    return 0;
}

} // namespace

std::optional<std::wstring> waitForFile(const std::wstring& path)
{
    std::optional<std::wstring> text;
    eventually([&] { return (text = readFile(path)).has_value(); });
    return text;
}

std::optional<int> runChildMode(int argc, wchar_t** argv)
{
    if (argc < 3)
        return std::nullopt;
    const std::wstring_view mode = argv[1];
    if (mode == L"--echo")
        return echoCommandLine(argv[2]);
    if (mode == L"--wait-for")
        return waitForProcess(argv[2]);
    return std::nullopt;
}
