#pragma once

#include <windows.h>

#include <optional>
#include <string>

// Helpers shared by the Win32 test suites.

std::wstring ownPath();
std::wstring fileNameOf(const std::wstring& path);
std::wstring upperCase(std::wstring text);
std::wstring lowerCase(std::wstring text);

// A fresh folder (its name holds a blank) in the user's temporary folder,
// removed with its files at the end of the run.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& path() const { return m_path; }
    std::wstring file(const std::wstring& name) const { return m_path + L'\\' + name; }

private:
    std::wstring m_path;
};

// A child process that the test owns: ended and waited for when it goes.
class ChildProcess {
public:
    explicit ChildProcess(const std::wstring& commandLine);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return m_info.hProcess != nullptr; }
    void end();

private:
    PROCESS_INFORMATION m_info {};
};

// The contents of a file that a child writes in one go (it renames the file
// into place when done), or nullopt if it has not appeared within a minute.
std::optional<std::wstring> waitForFile(const std::wstring& path);

// Polls `condition` until it holds or a minute has passed; whether it held.
template <typename Condition> bool eventually(Condition condition)
{
    for (int i = 0; i < 600; ++i) {
        if (condition())
            return true;
        ::Sleep(100);
    }
    return condition();
}

// The child modes of the test program, chosen by its first argument.
// "--echo <file>": writes its show-window request and its raw command line
// into <file>. "--wait-for <pid>": stays alive until that process ends.
std::optional<int> runChildMode(int argc, wchar_t** argv);
