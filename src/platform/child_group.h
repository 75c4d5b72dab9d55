#pragma once

#include <QtGlobal>

#include <memory>

class QProcess;

// Keeps the program a QProcess starts together with every process that
// program starts in turn (a client that is a script runs the real client as
// its child), so that ending the run ends them all: on POSIX the program
// leads a process group of its own, on Windows it runs in a job object that
// ends whatever still runs in it when the group is destroyed.
class ChildGroup {
public:
    // Prepares `process`, which has not started yet and outlives the group.
    explicit ChildGroup(QProcess& process);
    // Ends the group when its program still runs.
    ~ChildGroup();
    ChildGroup(const ChildGroup&) = delete;
    ChildGroup& operator=(const ChildGroup&) = delete;

    // Ends every process of the group, the started program included, while
    // that program runs; does nothing once it has ended.
    void end();

    // What ProcessQuery::countProcesses takes to leave the group's processes
    // out; 0 while there is none (before the program has started on POSIX,
    // when no job could be made on Windows).
    qint64 id() const;

private:
    struct Members;
    std::unique_ptr<Members> m;
};
