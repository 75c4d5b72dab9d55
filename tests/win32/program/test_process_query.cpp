#include "platform/win32/process_query_win32.h"
#include "support.h"

namespace {

// The count of one name, -1 when the process list cannot be read.
int countOf(const std::wstring& name)
{
    const std::optional<std::vector<int>> counts = win32CountProcesses({ name });
    return counts ? counts->at(0) : -1;
}

} // namespace

void testProcessQuery(const std::filesystem::path& temp)
{
    const std::wstring own = ownName();
    const std::optional<std::vector<int>> ownCounts
        = win32CountProcesses({ own, withCase(own, true), withCase(own, false), L"quorlin-absent.exe" });
    check(ownCounts && ownCounts->size() == 4 && (*ownCounts)[0] >= 1 && (*ownCounts)[1] == (*ownCounts)[0]
            && (*ownCounts)[2] == (*ownCounts)[0] && (*ownCounts)[3] == 0,
        "process query counts its own image name in any case, and an absent one, from one snapshot");

    const std::pair<std::wstring, const char*> absent[] = {
        { L"quorlin-no-such-program.exe", "a name that runs nowhere" },
        { L"", "the empty name" },
        { own.substr(0, own.size() - 1), "its own name less the last letter" },
        { own.substr(0, own.size() - 4), "its own name without the extension" },
        { own + L" ", "its own name with a trailing blank" },
        { L"it's-not-running.exe", "a name with a single quote" },
    };
    for (const auto& [name, what] : absent)
        check(countOf(name) == 0, std::string("process query counts zero for ") + what);

    const std::wstring twinName = L"Qu'orlin Twin.exe";
    const std::filesystem::path twin = temp / twinName;
    std::error_code error;
    std::filesystem::copy_file(ownPath(), twin, error);
    const std::wstring line
        = L"\"" + twin.wstring() + L"\" --wait-for " + std::to_wstring(::GetCurrentProcessId());
    const HANDLE children[] = { startChild(line), startChild(line) };
    check(!error && children[0] && children[1],
        "process query: two children named " + utf8(twinName) + " start");
    check(eventually([&] { return countOf(twinName) == 2; }),
        "process query counts two children of one name with a single quote and a blank");
    check(countOf(withCase(twinName, true)) == 2, "process query counts them under the upper case name");
    for (const HANDLE child : children)
        if (child)
            endChild(child);
    check(eventually([&] { return countOf(withCase(twinName, false)) == 0; }),
        "process query counts zero once both have ended");

    check(!win32CountProcessesInSnapshot(INVALID_HANDLE_VALUE, { own }),
        "process query reports a snapshot that could not be taken as a failure");
    // A handle of another kind cannot be walked: the count must not pass for "none running".
    check(!win32CountProcessesInSnapshot(::CreateEventW(nullptr, TRUE, FALSE, nullptr), { own }),
        "process query reports a snapshot that cannot be walked as a failure");
}
