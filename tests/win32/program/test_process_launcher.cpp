#include "platform/win32/process_launcher_win32.h"
#include "support.h"

#include <fstream>
#include <sstream>

using namespace std::string_literals;

namespace {

std::string readAll(const std::filesystem::path& file)
{
    std::ostringstream text;
    text << std::ifstream(file, std::ios::binary).rdbuf();
    return text.str();
}

} // namespace

void testProcessLauncher(const std::filesystem::path& temp)
{
    for (const bool hidden : { true, false }) {
        const std::string style = hidden ? " (hidden)" : " (visible)";
        std::wstring error;
        check(win32Launch(L"cmd /c exit 7", hidden, L"", error) && error.empty(),
            "launcher starts cmd /c exit 7" + style);

        // Refused with the system's text from FormatMessage: no bare "Error N", no line break at the end.
        for (const std::wstring& line : { L""s, L"   "s, L"\"C:\\no such folder\\no-such-program.exe\" -x"s,
                 L"quorlin-no-such-program -x"s, L"cmd /c exit 7\0 -x"s }) {
            std::wstring refusal;
            const bool started = win32Launch(line, hidden, L"", refusal);
            check(!started && !refusal.empty() && refusal.rfind(L"Error ", 0) != 0 && refusal.back() != L'\n'
                    && refusal.back() != L'\r',
                "launcher refuses \"" + utf8(line) + "\"" + style + ": " + utf8(refusal));
        }

        // Quotes, doubled quotes, two blanks in a row, non-ASCII letters and a trailing blank.
        const std::filesystem::path echo = temp / ("echo" + style + ".txt");
        const std::wstring line = L"\"" + ownPath() + L"\" --echo \"" + echo.wstring()
            + L"\" \"-conf=C:\\My Nodes\\a.conf\"  -datadir=\"\"\"x\"\"\" \u00e9\u03a9 stop ";
        const std::string expected = std::to_string(hidden ? SW_HIDE : SW_SHOWNORMAL) + '\n' + utf8(line);
        const bool same
            = win32Launch(line, hidden, L"", error) && eventually([&] { return readAll(echo) == expected; });
        check(same, "the child" + style + " gets its show state and the line unchanged: " + readAll(echo));
    }

    // Output and error go to the end of the output file, after what it holds.
    const std::filesystem::path log = temp / "output.log";
    std::ofstream(log, std::ios::binary) << "start\n";
    std::wstring error;
    const bool appended = win32Launch(L"cmd /c \"echo out& echo err 1>&2\"", true, log.wstring(), error)
        && eventually([&] { return readAll(log).find("err") != std::string::npos; })
        && readAll(log).rfind("start\n", 0) == 0 && readAll(log).find("out") != std::string::npos;
    check(appended, "the child's output and error are appended to the output file: " + readAll(log));
}
