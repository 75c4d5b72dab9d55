#include "launch_watch.h"

void LaunchWatch::started(const QString& program, const QString& outputLog, qint64 logOffset, qint64 nowMs)
{
    m_watched.removeIf([&](const Watched& w) { return w.program == program; });
    if (!program.isEmpty())
        m_watched.append({ program, outputLog, logOffset, nowMs });
}

QList<LaunchWatch::Gone> LaunchWatch::tick(const std::function<bool(const QString&)>& isRunning, qint64 nowMs)
{
    QList<Gone> gone;
    QList<Watched> still;
    for (Watched& w : m_watched) {
        if (isRunning(w.program)) {
            w.missedTicks = 0;
            w.firstMissMs = -1;
            if (nowMs - w.startedMs < kWatchMs)
                still.append(w);
            continue;
        }
        if (w.missedTicks++ == 0)
            w.firstMissMs = nowMs;
        if (w.missedTicks < 2)
            still.append(w);
        else
            gone.append({ w.program, w.outputLog, w.logOffset, w.firstMissMs - w.startedMs });
    }
    m_watched = still;
    return gone;
}

QString goneMessage(const LaunchWatch::Gone& gone, const QString& lastLines)
{
    const QString head = QStringLiteral("%1 stopped %2 s after it was started.\n\n")
                             .arg(gone.program, QString::number(gone.ranMs / 1000.0, 'f', 1));
    if (gone.outputLog.isEmpty())
        return head + QStringLiteral("Its output was not kept.");
    if (lastLines.isEmpty())
        return head + QStringLiteral("It wrote no output to %1.").arg(gone.outputLog);
    return head + QStringLiteral("The last lines of its output (%1):\n\n%2").arg(gone.outputLog, lastLines);
}
