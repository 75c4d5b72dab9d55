#include "platform/win32/process_query_win32.h"
#include "support.h"

void testProcessQuery(const std::filesystem::path& temp)
{
    const std::wstring own = ownName();
    for (const std::wstring& name : { own, withCase(own, true), withCase(own, false) })
        check(win32CountProcesses(name) >= 1, "process query finds its own image name as " + utf8(name));

    const std::pair<std::wstring, const char*> absent[] = {
        { L"quorlin-no-such-program.exe", "a name that runs nowhere" },
        { L"", "the empty name" },
        { own.substr(0, own.size() - 1), "its own name less the last letter" },
        { own.substr(0, own.size() - 4), "its own name without the extension" },
        { own + L" ", "its own name with a trailing blank" },
        { L"it's-not-running.exe", "a name with a single quote" },
    };
    for (const auto& [name, what] : absent)
        check(win32CountProcesses(name) == 0, std::string("process query counts zero for ") + what);

    const std::wstring twinName = L"Qu'orlin Twin.exe";
    const std::filesystem::path twin = temp / twinName;
    std::error_code error;
    std::filesystem::copy_file(ownPath(), twin, error);
    const std::wstring line
        = L"\"" + twin.wstring() + L"\" --wait-for " + std::to_wstring(::GetCurrentProcessId());
    const HANDLE children[] = { startChild(line), startChild(line) };
    check(!error && children[0] && children[1],
        "process query: two children named " + utf8(twinName) + " start");
    check(eventually([&] { return win32CountProcesses(twinName) == 2; }),
        "process query counts two children of one name with a single quote and a blank");
    check(win32CountProcesses(withCase(twinName, true)) == 2,
        "process query counts them under the upper case name");
    for (const HANDLE child : children)
        if (child)
            endChild(child);
    check(eventually([&] { return win32CountProcesses(withCase(twinName, false)) == 0; }),
        "process query counts zero once both have ended");

    check(win32CountProcessesInSnapshot(INVALID_HANDLE_VALUE, own) == -1,
        "process query reports a snapshot that could not be taken as a failure");
    // A handle of another kind cannot be walked: the count must not pass for "none running".
    check(win32CountProcessesInSnapshot(::CreateEventW(nullptr, TRUE, FALSE, nullptr), own) == -1,
        "process query reports a snapshot that cannot be walked as a failure");
}
