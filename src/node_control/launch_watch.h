#pragma once

#include "platform/process_launcher.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

// Watches the programs that START QT and DAEMON started for their first 15 s.
// While the process started runs, the program runs. One that failed (a
// non-zero exit code or a signal) is gone once nothing of its group runs any
// more and its output is all in the log: a wrapper script that runs the node without exec is followed by its
// own process, not by the node's image name. One that ended cleanly may have
// forked a daemon that keeps the image name, so from then on the name the
// process watcher looks for says whether it runs: missing at two ticks in a
// row, it is gone (one failed process query does not count as an exit).
class LaunchWatch {
public:
    static constexpr qint64 kWatchMs = 15000;

    struct Gone {
        QString program;
        QString outputLog; // empty when the start kept no log
        qint64 logOffset; // where this start's lines begin in the log
        qint64 ranMs; // from the start to the first tick that missed it
        QString end; // how the started process ended when it failed ("exit code 1"), else ""
    };

    void started(const QString& program, std::shared_ptr<StartedProgram> process, const QString& outputLog,
        qint64 logOffset, qint64 nowMs);
    // The user asked the node to stop: nothing watched is reported any more.
    void forgetAll() { m_watched.clear(); }
    bool isEmpty() const { return m_watched.empty(); }

    // One watcher tick: gives the programs found gone and stops watching them
    // and the ones that ran for 15 s.
    QList<Gone> tick(const std::function<bool(const QString&)>& isRunning, qint64 nowMs);

private:
    struct Watched {
        QString program;
        std::shared_ptr<StartedProgram> process;
        QString outputLog;
        qint64 logOffset;
        qint64 startedMs;
        qint64 firstMissMs = -1;
        int missedTicks = 0;
    };
    QList<Watched> m_watched;
};

// The message for a program that was gone again soon after its start.
QString goneMessage(const LaunchWatch::Gone& gone, const QString& lastLines);
