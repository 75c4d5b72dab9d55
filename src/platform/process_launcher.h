#pragma once

#include "command_line.h"

#include <QString>

#include <memory>
#include <optional>

// How a started program shows itself: the wallet opens a normal window with
// the focus, the daemon and the stop command run hidden.
enum class WindowStyle { Hidden = 0, Normal = 1 };

// How the process the launcher started ended.
struct ProcessEnd {
    bool failed = false; // a non-zero exit code, or ended by a signal
    QString description; // "exit code 3", "signal 9 (Killed)"
};

// A program the launcher started, followed while it runs. It runs in a group
// of its own (a process group, on Windows a job object) that holds the
// processes it starts in turn.
class StartedProgram {
public:
    virtual ~StartedProgram() = default;
    // How the started process ended; nothing while it runs.
    virtual std::optional<ProcessEnd> end() const = 0;
    // Whether any process of its group still runs.
    virtual bool groupRunning() const = 0;
    // Why its output stopped going to the log (a full disk), given once; then "".
    virtual QString takeOutputProblem() = 0;
    // The started process has ended and its output is no longer copied:
    // nothing about it changes any more.
    virtual bool finished() const = 0;
};

struct LaunchResult {
    bool started = false;
    QString error; // the system's reason when not started
    QString logProblem; // why the output log was not written; the program starts all the same
    std::shared_ptr<StartedProgram> program; // set when started
};

// Starts one command line and returns at once, never through a shell. With an
// `outputLog` path, the start is recorded in that file (see launch_log.h) and
// the program's standard output and error are copied into it by the panel,
// within the log's limit (see bounded_log.h).
class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;
    virtual LaunchResult launch(const CommandLine& commandLine, WindowStyle style, const QString& outputLog)
        = 0;
};
