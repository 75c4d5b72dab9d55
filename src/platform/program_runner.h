#pragma once

#include "output_limit.h"

#include <QString>
#include <QStringList>

// What a program printed before it ended.
struct ProgramOutput {
    bool finished = false; // it ran and ended within the time limit
    QString output; // its standard output
    QString error; // the reason when it did not finish
};

// Runs a program with arguments, never through a shell, and collects its
// standard output. The window stays responsive while it waits; a program
// that takes longer than five seconds, or prints more than kOutputLimitBytes,
// is stopped together with every process it started.
class ProgramRunner {
public:
    virtual ~ProgramRunner() = default;
    virtual ProgramOutput run(const QString& program, const QStringList& arguments) = 0;

    // The process group (ChildGroup::id) of the program while it runs (the
    // windows' timers go on meanwhile); the panel's own runs do not count as
    // the user's processes.
    virtual QList<qint64> panelGroups() const = 0;
};
