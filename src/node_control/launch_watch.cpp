#include "launch_watch.h"

void LaunchWatch::started(const QString& program, std::shared_ptr<StartedProgram> process,
    const QString& outputLog, qint64 logOffset, qint64 nowMs)
{
    m_watched.removeIf([&](const Watched& w) { return w.program == program; });
    if (!program.isEmpty())
        m_watched.append({ program, std::move(process), outputLog, logOffset, nowMs });
}

QList<LaunchWatch::Gone> LaunchWatch::tick(const std::function<bool(const QString&)>& isRunning, qint64 nowMs)
{
    QList<Gone> gone;
    QList<Watched> still;
    for (Watched& w : m_watched) {
        const bool young = nowMs - w.startedMs < kWatchMs;
        const std::optional<ProcessEnd> end = w.process->end();
        if (end && end->failed) {
            // Told once its last words are in the log.
            if (w.process->finished() && !w.process->groupRunning())
                gone.append({ w.program, w.outputLog, w.logOffset, nowMs - w.startedMs, end->description });
            else if (young)
                still.append(w);
            continue;
        }
        if (!end || isRunning(w.program)) {
            w.missedTicks = 0;
            w.firstMissMs = -1;
            if (young)
                still.append(w);
            continue;
        }
        if (w.missedTicks++ == 0)
            w.firstMissMs = nowMs;
        if (w.missedTicks < 2)
            still.append(w);
        else
            gone.append({ w.program, w.outputLog, w.logOffset, w.firstMissMs - w.startedMs, {} });
    }
    m_watched = still;
    return gone;
}

QString goneMessage(const LaunchWatch::Gone& gone, const QString& lastLines)
{
    const QString ran = QString::number(gone.ranMs / 1000.0, 'f', 1);
    const QString head = gone.end.isEmpty()
        ? QStringLiteral("%1 stopped %2 s after it was started.\n\n").arg(gone.program, ran)
        : QStringLiteral("%1 stopped %2 s after it was started (%3).\n\n").arg(gone.program, ran, gone.end);
    if (gone.outputLog.isEmpty())
        return head + QStringLiteral("Its output was not kept.");
    if (lastLines.isEmpty())
        return head + QStringLiteral("It wrote no output to %1.").arg(gone.outputLog);
    return head + QStringLiteral("The last lines of its output (%1):\n\n%2").arg(gone.outputLog, lastLines);
}
