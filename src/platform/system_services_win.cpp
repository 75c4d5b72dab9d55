// The Qt side of the Windows services: thin adapters over the Qt-free Win32
// functions in win32/.

#include "launch_log.h"
#include "system_platform.h"
#include "win32/process_launcher_win32.h"
#include "win32/process_query_win32.h"
#include "win32/window_stacking_win32.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

namespace {

class Win32ProcessLauncher final : public ProcessLauncher {
public:
    LaunchResult launch(const QString& commandLine, WindowStyle style, const QString& outputLog) override
    {
        // A log that cannot be written does not keep the program from starting.
        const QString logProblem = outputLog.isEmpty() ? QString() : prepareLaunchLog(outputLog, commandLine);
        std::wstring error;
        if (win32Launch(commandLine.toStdWString(), style == WindowStyle::Hidden,
                logProblem.isEmpty() ? outputLog.toStdWString() : std::wstring(), error))
            return { true, {}, logProblem };
        return { false, QString::fromStdWString(error), {} };
    }
};

class Win32ProcessQuery final : public ProcessQuery {
public:
    std::optional<QList<int>> countProcesses(
        const QStringList& imageNames, const QList<qint64>& skippedPids = {}) override
    {
        std::vector<std::wstring> names;
        for (const QString& name : imageNames)
            names.push_back(name.toStdWString());
        const std::vector<unsigned long> skipped(skippedPids.begin(), skippedPids.end());
        const std::optional<std::vector<int>> counts = win32CountProcesses(names, skipped);
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
