// Runs the Win32 platform layer against the real system. The same executable serves as the child that some
// checks start: "--echo <file>" writes its show-window request and its raw command line into <file>;
// "--wait-while <file>" lives while <file> exists (a minute at most); "--flood <n>" writes n bytes to its
// output, then "err" to its error stream; "--leave-child <file>" starts "--wait-while <file>" and fails with
// exit code 3.

#include "support.h"

#include <cstdio>
#include <fstream>

namespace {
int passed = 0;
int failed = 0;
} // namespace

void check(bool ok, const std::string& what)
{
    ++(ok ? passed : failed);
    std::printf("%s: %s\n", ok ? "PASS" : "FAIL", what.c_str());
    std::fflush(stdout);
}

std::string utf8(const std::wstring& text)
{
    std::string result(text.size() * 3, '\0'); // at most three bytes for each UTF-16 unit
    result.resize(::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(),
        static_cast<int>(result.size()), nullptr, nullptr));
    return result;
}

std::wstring ownPath()
{
    std::wstring buffer(32768, L'\0');
    buffer.resize(::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size())));
    return buffer;
}

int wmain(int argc, wchar_t** argv)
{
    const std::wstring mode = argc >= 3 ? argv[1] : L"";
    if (mode == L"--echo") {
        STARTUPINFOW startup {};
        ::GetStartupInfoW(&startup);
        std::ofstream(std::filesystem::path(argv[2]), std::ios::binary)
            << ((startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1) << '\n'
            << utf8(::GetCommandLineW());
    } else if (mode == L"--wait-while")
        eventually([&] { return !std::filesystem::exists(argv[2]); });
    else if (mode == L"--flood") {
        const std::string zeros(std::stoul(argv[2]), '0');
        std::fwrite(zeros.data(), 1, zeros.size(), stdout);
        std::fflush(stdout);
        std::fputs("err", stderr);
    } else if (mode == L"--leave-child") {
        std::wstring line = L"\"" + ownPath() + L"\" --wait-while \"" + argv[2] + L"\"";
        STARTUPINFOW startup {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info {};
        if (::CreateProcessW(
                nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
            ::CloseHandle(info.hThread);
            ::CloseHandle(info.hProcess);
        }
        return 3;
    }
    if (!mode.empty())
        return 0;

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
