#include "process_watcher.h"

ProcessWatcher::ProcessWatcher(ProcessQuery& query)
    : m_query(query)
{
}

void ProcessWatcher::takeSnapshot(const WatchedNames& names, const QList<qint64>& skippedGroups)
{
    m_running.clear();
    QStringList asked;
    for (const QString* name : { &names.qt, &names.daemon, &names.cli })
        if (!name->isEmpty() && !asked.contains(*name))
            asked += *name;
    if (asked.isEmpty())
        return;
    const std::optional<QList<int>> counts = m_query.countProcesses(asked, skippedGroups);
    for (qsizetype i = 0; counts && i < asked.size(); ++i)
        if (counts->value(i) > 0)
            m_running += asked[i];
}

bool ProcessWatcher::isRunning(const QString& imageName) const
{
    return !imageName.isEmpty() && m_running.contains(imageName);
}
