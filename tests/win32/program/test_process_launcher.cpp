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
        Win32Program program;
        check(win32Launch(L"cmd /c exit 7", hidden, false, program, error) && error.empty()
                && win32WaitForExit(program) == 7,
            "launcher starts cmd /c exit 7 and gets its exit code" + style);
        win32Release(program);

        // Refused with the system's text from FormatMessage: no bare "Error N", no line break at the end.
        for (const std::wstring& line : { L""s, L"   "s, L"\"C:\\no such folder\\no-such-program.exe\" -x"s,
                 L"quorlin-no-such-program -x"s, L"cmd /c exit 7\0 -x"s }) {
            std::wstring refusal;
            const bool started = win32Launch(line, hidden, false, program, refusal);
            check(!started && !refusal.empty() && refusal.rfind(L"Error ", 0) != 0 && refusal.back() != L'\n'
                    && refusal.back() != L'\r',
                "launcher refuses \"" + utf8(line) + "\"" + style + ": " + utf8(refusal));
        }

        // Quotes, doubled quotes, two blanks in a row, non-ASCII letters and a trailing blank.
        const std::filesystem::path echo = temp / ("echo" + style + ".txt");
        const std::wstring line = L"\"" + ownPath() + L"\" --echo \"" + echo.wstring()
            + L"\" \"-conf=C:\\My Nodes\\a.conf\"  -datadir=\"\"\"x\"\"\" \u00e9\u03a9 stop ";
        const std::string expected = std::to_string(hidden ? SW_HIDE : SW_SHOWNORMAL) + '\n' + utf8(line);
        const bool same = win32Launch(line, hidden, false, program, error)
            && eventually([&] { return readAll(echo) == expected; });
        check(same, "the child" + style + " gets its show state and the line unchanged: " + readAll(echo));
        win32Release(program);
    }

    // Output and error come through the pipe, all of it, until the child has ended.
    std::wstring error;
    Win32Program program;
    std::string output;
    char buffer[4096];
    const bool piped = win32Launch(L"\"" + ownPath() + L"\" --flood 3000000", true, true, program, error);
    for (long got; piped && (got = win32ReadOutput(program, buffer, sizeof buffer)) > 0;)
        output.append(buffer, static_cast<size_t>(got));
    check(piped && output.size() == 3000000 + 3 && output.ends_with("err"),
        "the child's output and error come through the pipe: " + std::to_string(output.size()) + " bytes");
    win32Release(program);

    // A process the child starts is in its job: the group runs on after the
    // child has failed, until that process ends too.
    const std::filesystem::path alive = temp / "group alive";
    std::ofstream(alive) << "x";
    const bool left = win32Launch(L"\"" + ownPath() + L"\" --leave-child \"" + alive.wstring() + L"\"", true,
                          false, program, error)
        && win32WaitForExit(program) == 3;
    check(left && win32GroupRunning(program), "the job runs on with the process the failed child started");
    std::filesystem::remove(alive);
    check(eventually([&] { return !win32GroupRunning(program); }),
        "the job is empty once that process has ended");
    win32Release(program);
}
