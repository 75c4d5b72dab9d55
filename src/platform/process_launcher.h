#pragma once

#include <QString>

// How a started program shows itself: the wallet opens a normal window with
// the focus, the daemon and the stop command run hidden.
enum class WindowStyle { Hidden = 0, Normal = 1 };

struct LaunchResult {
    bool started = false;
    QString error; // the system's reason when not started
    QString logProblem; // why the output log was not written; the program starts all the same
};

// Starts one command line and returns at once, never through a shell. With an
// `outputLog` path, the start is recorded in that file (see launch_log.h) and
// the program's standard output and error are appended to it.
class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;
    virtual LaunchResult launch(const QString& commandLine, WindowStyle style, const QString& outputLog) = 0;
};
