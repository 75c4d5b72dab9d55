#include "watcher_decision.h"

#include "core/look.h"

namespace {

struct Program {
    const QString& name;
    bool running;
    const char* runningText;
    const char* stoppedText;
};

} // namespace

WatcherView decideWatcherView(const WatchedNames& names, const RunningPrograms& running)
{
    // An empty name counts as not running.
    const bool qt = !names.qt.isEmpty() && running.qt;
    const bool daemon = !names.daemon.isEmpty() && running.daemon;
    const Program programs[] = {
        { names.qt, qt, " - QT PROCESS RUNNING", " - QT PROCESS STOPPED" },
        { names.daemon, daemon, " - DAEMON PROCESS RUNNING", " - DAEMON PROCESS STOPPED" },
        { names.cli, running.cli, " - CLI PROCESS RUNNING", " - CLI PROCESS STOPPED" },
    };
    WatcherView view;
    for (size_t i = 0; i < view.boxes.size(); ++i) {
        const Program& program = programs[i];
        if (!program.name.isEmpty())
            view.boxes[i] = StatusLook { program.running ? kGreenBgr : kRedBgr,
                program.name + QLatin1String(program.running ? program.runningText : program.stoppedText) };
    }
    if (!names.cli.isEmpty())
        view.cliStopEnabled = !running.cli;
    if (!names.daemon.isEmpty())
        view.startButtonsEnabled = !(qt || daemon);
    return view;
}
