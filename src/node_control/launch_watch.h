#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Watches the programs that START QT and DAEMON started for their first 15 s,
// by the image names the process watcher looks for. A daemon that forks keeps
// its image name, so the name, not the first process id, says whether the
// program runs. A program missing at two ticks in a row is gone: one failed
// process query does not count as an exit.
class LaunchWatch {
public:
    static constexpr qint64 kWatchMs = 15000;

    struct Gone {
        QString program;
        QString outputLog; // empty when the start kept no log
        qint64 logOffset; // where this start's lines begin in the log
        qint64 ranMs; // from the start to the first tick that missed it
    };

    void started(const QString& program, const QString& outputLog, qint64 logOffset, qint64 nowMs);
    // The user asked the node to stop: nothing watched is reported any more.
    void forgetAll() { m_watched.clear(); }
    bool isEmpty() const { return m_watched.empty(); }

    // One watcher tick: gives the programs found gone and stops watching them
    // and the ones that ran for 15 s.
    QList<Gone> tick(const std::function<bool(const QString&)>& isRunning, qint64 nowMs);

private:
    struct Watched {
        QString program;
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
