#pragma once

#include <QList>
#include <QStringList>
#include <QtGlobal>

#include <optional>

// Counts the running processes of the local machine by image name.
class ProcessQuery {
public:
    virtual ~ProcessQuery() = default;

    // Looks at the process list once and counts, for each of `imageNames` in
    // the same order, the processes that run under it, compared without regard
    // to letter case, leaving out the processes of `skippedGroups` (the
    // panel's own runs, as ChildGroup::id names them); nullopt when the
    // process list cannot be read.
    virtual std::optional<QList<int>> countProcesses(
        const QStringList& imageNames, const QList<qint64>& skippedGroups = {})
        = 0;
};
