// The Qt side of the Windows services: thin adapters over the Qt-free Win32
// functions in win32/.

#include "child_program.h"
#include "command_line.h"
#include "launch_log.h"
#include "system_platform.h"
#include "win32/process_launcher_win32.h"
#include "win32/process_query_win32.h"
#include "win32/window_stacking_win32.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

namespace {

// The handles of a started program, closed when the last of its followers lets go.
struct Win32Handles {
    Win32Program program;
    ~Win32Handles() { win32Release(program); }
};

// Exit codes from 0xC0000000 on are the system's status codes, told in hex.
ProcessEnd describeExit(unsigned long code)
{
    const QString number = code >= 0xC0000000 ? QStringLiteral("0x") + QString::number(code, 16).toUpper()
                                              : QString::number(code);
    return { code != 0, QStringLiteral("exit code %1").arg(number) };
}

class Win32ProcessLauncher final : public ProcessLauncher {
public:
    // The program receives the arguments the line splits into here, quoted
    // for its own splitting: a data folder such as "D:\" stays one argument.
    LaunchResult launch(const CommandLine& commandLine, WindowStyle style, const QString& outputLog) override
    {
        // A log that cannot be written does not keep the program from starting.
        const QString logProblem = outputLog.isEmpty() ? QString() : prepareLaunchLog(outputLog, commandLine);
        const bool copied = !outputLog.isEmpty() && logProblem.isEmpty();
        const auto handles = std::make_shared<Win32Handles>();
        std::wstring error;
        if (!win32Launch(windowsCommandLine(commandLine).toStdWString(), style == WindowStyle::Hidden, copied,
                handles->program, error))
            return { false, QString::fromStdWString(error), {}, {} };
        ChildProgram::Os os { [handles] { return describeExit(win32WaitForExit(handles->program)); },
            [handles] { return win32GroupRunning(handles->program); },
            [handles](char* buffer, qint64 size) {
                return qint64(win32ReadOutput(handles->program, buffer, static_cast<unsigned long>(size)));
            } };
        auto log = copied ? std::make_unique<BoundedLog>(outputLog, kLaunchLogLimit) : nullptr;
        return { true, {}, logProblem, ChildProgram::follow(std::move(os), std::move(log)) };
    }
};

class Win32ProcessQuery final : public ProcessQuery {
public:
    std::optional<QList<int>> countProcesses(
        const QStringList& imageNames, const QList<qint64>& skippedGroups = {}) override
    {
        std::vector<std::wstring> names;
        for (const QString& name : imageNames)
            names.push_back(name.toStdWString());
        // A group's id is its job's handle (child_group_win.cpp).
        std::vector<HANDLE> jobs;
        for (const qint64 group : skippedGroups)
            jobs.push_back(reinterpret_cast<HANDLE>(static_cast<quintptr>(group)));
        const std::optional<std::vector<int>> counts = win32CountProcesses(names, jobs);
        if (!counts)
            return std::nullopt;
        return QList<int>(counts->begin(), counts->end());
    }
};

// The step is given the panel's other shown windows, tooltips and menus
// included, to keep them above the main window.
class Win32WindowStacking final : public WindowStacking {
public:
    void stackingStep(QWidget& mainWindow) override
    {
        std::vector<HWND> panelWindows;
        for (const QWidget* window : QApplication::topLevelWidgets())
            if (window != &mainWindow && window->isVisible() && window->windowHandle())
                panelWindows.push_back(reinterpret_cast<HWND>(window->windowHandle()->winId()));
        win32StackingStep(reinterpret_cast<HWND>(mainWindow.winId()), panelWindows);
    }
};

} // namespace

std::unique_ptr<ProcessLauncher> createSystemProcessLauncher()
{
    return std::make_unique<Win32ProcessLauncher>();
}

std::unique_ptr<ProcessQuery> createSystemProcessQuery()
{
    return std::make_unique<Win32ProcessQuery>();
}

std::unique_ptr<WindowStacking> createSystemWindowStacking()
{
    return std::make_unique<Win32WindowStacking>();
}
