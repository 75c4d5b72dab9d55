#include "check.h"
#include "platform/win32/process_query_win32.h"
#include "test_support.h"

#include <array>
#include <utility>

namespace {

void countsOwnImageNameInAnyCase()
{
    const std::wstring own = fileNameOf(ownPath());
    for (const std::wstring& name : { own, upperCase(own), lowerCase(own) })
        check(win32CountProcesses(name) >= 1, "process query finds its own image name as " + utf8(name));
}

void countsZeroForNamesThatRunNowhere()
{
    const std::wstring own = fileNameOf(ownPath());
    const std::array<std::pair<std::wstring, const char*>, 6> names { {
        { L"quorlin-no-such-program.exe", "a name that runs nowhere" },
        { L"", "the empty name" },
        { own.substr(0, own.size() - 1), "its own name less the last letter" },
        { own.substr(0, own.size() - 4), "its own name without the extension" },
        { own + L" ", "its own name with a trailing blank" },
        { L"it's-not-running.exe", "a name with a single quote" },
    } };
    for (const auto& [name, what] : names)
        check(win32CountProcesses(name) == 0, std::string("process query counts zero for ") + what);
}

void countsTwoChildrenOfOneName(const TempFolder& temp)
{
    const std::wstring twinName = L"Qu'orlin Twin.exe";
    const std::wstring twin = temp.file(twinName);
    if (!::CopyFileW(ownPath().c_str(), twin.c_str(), FALSE)) {
        check(false, "process query: copy the test program to " + utf8(twin));
        return;
    }
    const std::wstring line = L"\"" + twin + L"\" --wait-for " + std::to_wstring(::GetCurrentProcessId());
    ChildProcess first(line);
    ChildProcess second(line);
    check(first.started() && second.started(),
        "process query: two children named " + utf8(twinName) + " start");

    check(eventually([&] { return win32CountProcesses(twinName) == 2; }),
        "process query counts two children of one name with a single quote and a blank");
    check(
        win32CountProcesses(upperCase(twinName)) == 2, "process query counts them under the upper case name");

    first.end();
    second.end();
    check(eventually([&] { return win32CountProcesses(lowerCase(twinName)) == 0; }),
        "process query counts zero once both have ended");
}

void reportsFailedSnapshotAsNotRunning()
{
    const std::wstring own = fileNameOf(ownPath());
    check(win32CountProcessesInSnapshot(INVALID_HANDLE_VALUE, own) == -1,
        "process query reports a snapshot that could not be taken as a failure");

    // A handle of another kind cannot be walked: the count must not pass for "none running".
    const HANDLE notASnapshot = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    check(win32CountProcessesInSnapshot(notASnapshot, own) == -1,
        "process query reports a snapshot that cannot be walked as a failure");
}

} // namespace

void testProcessQuery(const TempFolder& temp)
{
    countsOwnImageNameInAnyCase();
    countsZeroForNamesThatRunNowhere();
    countsTwoChildrenOfOneName(temp);
    reportsFailedSnapshotAsNotRunning();
}
