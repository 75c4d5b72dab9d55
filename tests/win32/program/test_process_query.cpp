#include "platform/win32/process_launcher_win32.h"
#include "platform/win32/process_query_win32.h"
#include "support.h"

#include <fstream>

namespace {

// The count of one name, -1 when the process list cannot be read.
int countOf(const std::wstring& name)
{
    const std::optional<std::vector<int>> counts = win32CountProcesses({ name });
    return counts ? counts->at(0) : -1;
}

std::wstring withCase(std::wstring text, bool upper)
{
    (upper ? ::CharUpperBuffW : ::CharLowerBuffW)(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

} // namespace

void testProcessQuery(const std::filesystem::path& temp)
{
    const std::wstring own = std::filesystem::path(ownPath()).filename().wstring();
    check(win32CountProcesses({ own, withCase(own, true), withCase(own, false), L"quorlin-absent.exe" })
            == std::vector<int> { 1, 1, 1, 0 },
        "process query counts its own image name in any case, and an absent one, from one snapshot");
    // A near miss, the empty name and a quote count nothing.
    for (const std::wstring& name :
        { std::wstring(L"quorlin-no-such-program.exe"), std::wstring(), own.substr(0, own.size() - 1),
            own.substr(0, own.size() - 4), own + L" ", std::wstring(L"it's-not-running.exe") })
        check(countOf(name) == 0, "process query counts zero for \"" + utf8(name) + "\"");

    // Two children with a single quote and a blank in their name, alive while `alive` exists.
    const std::wstring twinName = L"Qu'orlin Twin.exe";
    const std::filesystem::path twin = temp / twinName;
    const std::filesystem::path alive = temp / "alive";
    std::ofstream(alive) << "x";
    std::error_code error;
    std::filesystem::copy_file(ownPath(), twin, error);
    std::wstring launchError;
    const std::wstring line = L"\"" + twin.wstring() + L"\" --wait-while \"" + alive.wstring() + L"\"";
    Win32Program first, second;
    check(!error && win32Launch(line, true, false, first, launchError)
            && win32Launch(line, true, false, second, launchError)
            && eventually([&] { return countOf(twinName) == 2; }),
        "process query counts two children named " + utf8(twinName));
    check(countOf(withCase(twinName, true)) == 2, "process query counts them under the upper case name");
    std::filesystem::remove(alive);
    check(eventually([&] { return countOf(withCase(twinName, false)) == 0; }),
        "process query counts zero once both have ended");
    win32Release(first);
    win32Release(second);

    check(!win32CountProcessesInSnapshot(INVALID_HANDLE_VALUE, { own }),
        "process query reports a snapshot that could not be taken as a failure");
    // A handle of another kind cannot be walked: the count must not pass for "none running".
    check(!win32CountProcessesInSnapshot(::CreateEventW(nullptr, TRUE, FALSE, nullptr), { own }),
        "process query reports a snapshot that cannot be walked as a failure");
}
