#include "platform/win32/process_launcher_win32.h"
#include "support.h"

#include <fstream>
#include <sstream>

using namespace std::string_literals;

void testProcessLauncher(const std::filesystem::path& temp)
{
    for (const bool hidden : { true, false }) {
        const std::string style = hidden ? "hidden" : "visible";
        std::wstring error;
        check(win32Launch(L"cmd /c exit 7", hidden, L"", error) && error.empty(),
            "launcher starts a " + style + " cmd /c exit 7");

        const std::pair<std::wstring, const char*> refused[] = {
            { L"", "an empty line" },
            { L"   ", "a line of blanks" },
            { L"\"C:\\no such folder\\no-such-program.exe\" -x", "a missing program with a folder" },
            { L"quorlin-no-such-program -x", "a missing program on the search path" },
            { L"cmd /c exit 7\0 -x"s, "a line with a NUL character" },
        };
        for (const auto& [line, what] : refused) {
            const bool started = win32Launch(line, hidden, L"", error);
            // The system's text from FormatMessage: no bare "Error N", no line break at the end.
            const bool systemText = !error.empty() && error.rfind(L"Error ", 0) != 0 && error.back() != L'\n'
                && error.back() != L'\r';
            check(!started && systemText,
                "launcher refuses " + std::string(what) + " (" + style + "): " + utf8(error));
        }

        // Quotes, doubled quotes, two blanks in a row, non-ASCII letters and a trailing blank.
        const std::filesystem::path echo = temp / ("echo " + style + ".txt");
        const std::wstring line = L"\"" + ownPath() + L"\" --echo \"" + echo.wstring()
            + L"\" \"-conf=C:\\My Nodes\\a.conf\"  -datadir=\"\"\"x\"\"\" \u00e9\u03a9 stop ";
        error.clear();
        check(win32Launch(line, hidden, L"", error) && error.empty(),
            "launcher starts the echoing child " + style);
        check(eventually([&] { return std::filesystem::exists(echo); }), "the " + style + " child answers");
        std::ostringstream reply;
        reply << std::ifstream(echo, std::ios::binary).rdbuf();
        const std::string expected = std::to_string(hidden ? SW_HIDE : SW_SHOWNORMAL) + '\n' + utf8(line);
        const bool same = reply.str() == expected;
        check(same,
            "the " + style + " child gets its show state and the line unchanged"
                + (same ? "" : ": " + reply.str()));
    }

    // Output and error go to the end of the output file, after what it holds.
    const std::filesystem::path log = temp / "output.log";
    std::ofstream(log, std::ios::binary) << "start\n";
    std::wstring error;
    check(win32Launch(L"cmd /c \"echo out& echo err 1>&2\"", true, log.wstring(), error),
        "launcher starts cmd with an output file");
    const auto logText = [&] {
        std::ostringstream text;
        text << std::ifstream(log, std::ios::binary).rdbuf();
        return text.str();
    };
    check(eventually([&] { return logText().find("err") != std::string::npos; }),
        "the child's output and error are appended to the file: " + logText());
    check(logText().rfind("start\n", 0) == 0 && logText().find("out") != std::string::npos,
        "the file keeps its earlier lines and holds the output");
}
