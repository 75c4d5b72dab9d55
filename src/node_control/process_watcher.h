#pragma once

#include "platform/process_query.h"
#include "watcher_decision.h"

#include <QStringList>

// Answers "does a process of this name run?" for one watcher tick from one
// look at the process list, whatever the number of questions.
class ProcessWatcher {
public:
    explicit ProcessWatcher(ProcessQuery& query);

    // Takes this tick's snapshot for the configured names, leaving out the
    // processes of `skippedGroups` (the panel's own runs and whatever they
    // started, which are not the user's); with no name configured the process
    // list is not read. A
    // list that cannot be read counts every name as not running for this tick.
    void takeSnapshot(const WatchedNames& names, const QList<qint64>& skippedGroups = {});

    // Whether a process of `imageName`, one of the names of this tick's
    // snapshot, was running; false for the empty name.
    bool isRunning(const QString& imageName) const;

private:
    ProcessQuery& m_query;
    QStringList m_running;
};
