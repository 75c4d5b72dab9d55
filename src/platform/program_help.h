#pragma once

#include "process_runner.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

// What a program printed when asked for its help.
struct ProgramOutput {
    bool finished = false; // it ran and ended within the time limit
    QString output; // its standard output
    QString error; // the reason when it did not finish
};

// Asks programs for their help ("-help" and the like) through the runner, as
// runs of the panel's own that end after five seconds. Answers are kept for
// the program's path, size and modification time, so a program is asked
// again only when it has been replaced.
class ProgramHelpReader {
public:
    using Done = std::function<void(const ProgramOutput&)>;

    explicit ProgramHelpReader(ProcessRunner& runner);

    // A kept answer comes at once; otherwise the program runs and `done` gets
    // its answer later, unless `receiver` is gone by then, which ends the run.
    void read(const QString& path, const QStringList& arguments, QObject* receiver, Done done);

private:
    struct Kept {
        qint64 size;
        QDateTime modified;
        QString output;
    };

    ProcessRunner& m_runner;
    QHash<QStringList, Kept> m_kept; // by the program's absolute path and the arguments
};
