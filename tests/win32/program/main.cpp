// Runs the Win32 platform layer against the real system. The same executable
// serves as the child that some checks start: "--echo <file>" writes its
// show-window request and its raw command line into <file>; "--wait-for <pid>"
// lives until that process ends (two minutes at most).

#include "support.h"

#include <cstdio>
#include <cwchar>
#include <fstream>
#include <vector>

namespace {
int passed = 0;
int failed = 0;

int echoCommandLine(const std::filesystem::path& file)
{
    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    ::GetStartupInfoW(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
    std::filesystem::path partial = file;
    partial += L".part";
    std::ofstream(partial, std::ios::binary) << show << '\n' << utf8(::GetCommandLineW());
    std::error_code error;
    std::filesystem::rename(partial, file, error); // the reader never sees half a file
    return error ? 1 : 0;
}

int waitFor(const wchar_t* pid)
{
    const HANDLE process = ::OpenProcess(SYNCHRONIZE, FALSE, std::wcstoul(pid, nullptr, 10));
    ::WaitForSingleObject(process, 120000);
    ::CloseHandle(process);
    return 0;
}
} // namespace

void check(bool ok, const std::string& what)
{
    ++(ok ? passed : failed);
    std::printf("%s: %s\n", ok ? "PASS" : "FAIL", what.c_str());
    std::fflush(stdout);
}

std::string utf8(const std::wstring& text)
{
    const int size = static_cast<int>(text.size());
    std::string result(
        ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr), '\0');
    ::WideCharToMultiByte(
        CP_UTF8, 0, text.data(), size, result.data(), static_cast<int>(result.size()), nullptr, nullptr);
    return result;
}

std::wstring ownPath()
{
    std::vector<wchar_t> buffer(32768);
    return std::wstring(
        buffer.data(), ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size())));
}

std::wstring ownName()
{
    return std::filesystem::path(ownPath()).filename().wstring();
}

std::wstring withCase(std::wstring text, bool upper)
{
    (upper ? ::CharUpperBuffW : ::CharLowerBuffW)(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

HANDLE startChild(std::wstring commandLine)
{
    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info {};
    if (!::CreateProcessW(
            nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return nullptr;
    ::CloseHandle(info.hThread);
    return info.hProcess;
}

void endChild(HANDLE process)
{
    ::TerminateProcess(process, 0);
    ::WaitForSingleObject(process, 30000);
    ::CloseHandle(process);
}

int wmain(int argc, wchar_t** argv)
{
    if (argc >= 3 && argv[1] == std::wstring(L"--echo"))
        return echoCommandLine(argv[2]);
    if (argc >= 3 && argv[1] == std::wstring(L"--wait-for"))
        return waitFor(argv[2]);

    // A folder with a blank in its name, removed at the end.
    const std::filesystem::path temp = std::filesystem::temp_directory_path()
        / (L"quorlin win32 tests " + std::to_wstring(::GetCurrentProcessId()));
    std::filesystem::create_directories(temp);
    testProcessQuery(temp);
    testProcessLauncher(temp);
    testWindowStacking();
    testAppIcon();
    std::error_code ignored;
    std::filesystem::remove_all(temp, ignored);

    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
