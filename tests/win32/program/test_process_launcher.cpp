#include "check.h"
#include "platform/win32/process_launcher_win32.h"
#include "test_support.h"

#include <array>
#include <utility>

namespace {

const char* styleName(bool hidden)
{
    return hidden ? "hidden" : "visible";
}

void startsCommandLines()
{
    for (const bool hidden : { true, false }) {
        std::wstring error;
        const bool started = win32Launch(L"cmd /c exit 7", hidden, error);
        check(started && error.empty(),
            std::string("launcher starts a ") + styleName(hidden) + " cmd /c exit 7");
    }
}

void reportsFailuresWithSystemText()
{
    using namespace std::string_literals;
    const std::array<std::pair<std::wstring, const char*>, 5> lines { {
        { L"", "an empty line" },
        { L"   ", "a line of blanks" },
        { L"\"C:\\no such folder\\no-such-program.exe\" -x", "a missing program with a folder" },
        { L"quorlin-no-such-program -x", "a missing program on the search path" },
        { L"cmd /c exit 7\0 -x"s, "a line with a NUL character" },
    } };
    for (const auto& [line, what] : lines) {
        for (const bool hidden : { true, false }) {
            std::wstring error;
            const bool started = win32Launch(line, hidden, error);
            // FormatMessage found the system's text: no bare "Error N", no line break at the end.
            const bool systemText = !error.empty() && error.rfind(L"Error ", 0) != 0 && error.back() != L'\n'
                && error.back() != L'\r';
            check(!started && systemText,
                std::string("launcher refuses ") + what + " (" + styleName(hidden) + "): " + utf8(error));
        }
    }
}

void handsTheLineOnUnchanged(const TempFolder& temp)
{
    for (const bool hidden : { true, false }) {
        const std::wstring echo
            = temp.file(std::wstring(L"echo ") + (hidden ? L"hidden" : L"visible") + L".txt");
        // Quotes, doubled quotes, two blanks in a row, non-ASCII letters and a trailing blank.
        const std::wstring line = L"\"" + ownPath() + L"\" --echo \"" + echo
            + L"\" \"-conf=C:\\My Nodes\\a.conf\"  -datadir=\"\"\"x\"\"\" \u00e9\u03a9 stop ";
        std::wstring error;
        const bool started = win32Launch(line, hidden, error);
        check(
            started && error.empty(), std::string("launcher starts the echoing child ") + styleName(hidden));

        const std::optional<std::wstring> reply = waitForFile(echo);
        check(reply.has_value(), std::string("the ") + styleName(hidden) + " child answers");
        if (!reply)
            continue;
        const size_t newline = reply->find(L'\n');
        const std::wstring show = reply->substr(0, newline);
        const std::wstring received
            = newline == std::wstring::npos ? std::wstring() : reply->substr(newline + 1);
        check(received == line,
            std::string("the ") + styleName(hidden) + " child receives the line unchanged: [" + utf8(received)
                + "]");
        check(show == std::to_wstring(hidden ? SW_HIDE : SW_SHOWNORMAL),
            std::string("the ") + styleName(hidden) + " child is asked to show its window as " + utf8(show));
    }
}

} // namespace

void testProcessLauncher(const TempFolder& temp)
{
    startsCommandLines();
    reportsFailuresWithSystemText();
    handsTheLineOnUnchanged(temp);
}
