#pragma once

#include "child_group.h"
#include "process_runner.h"

#include <QObject>

#include <memory>
#include <vector>

class QProcess;

// Runs programs as child processes of the panel with QProcess: the program
// gets no standard input, and both output streams are collected. Each run is
// a group of processes (child_group.h): ending a run ends whatever its
// program started, and so does destroying the runner.
class QProcessRunner final : public QObject, public ProcessRunner {
    Q_OBJECT

public:
    ~QProcessRunner() override;
    void run(const QString& program, const QStringList& arguments, int timeoutMs, Caller caller,
        QObject* receiver, Done done) override;
    QList<qint64> panelGroups() const override;

private:
    void endGroup(const QProcess* process);

    struct Started {
        QProcess* process;
        std::unique_ptr<ChildGroup> group;
        Caller caller;
    };
    std::vector<Started> m_runs; // started and not yet finished
};
