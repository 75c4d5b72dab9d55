#pragma once

#include "command_line.h"
#include "output_limit.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

// What one run of a program gave back.
struct ProcessAnswer {
    enum class Outcome { Finished, NotStarted, TimedOut };
    Outcome outcome = Outcome::Finished;
    int exitCode = 0;
    QString output = {}; // standard output
    QString errorOutput = {}; // standard error; "<program>: <the system's reason>" when not started
    // Why the run did not end by exiting on its own: the system's reason it
    // did not start, the time limit, answerTooLongText(), or its crash. Empty
    // when it exited.
    QString failure = {};
};

// Runs a program with arguments in the background, never through a shell,
// and never waits for it: `done` gets the answer later on the user-interface
// thread, and is dropped when `receiver` is gone by then. Ending a run ends
// the program and every process it started. A run that has not ended after
// `timeoutMs` (0: no limit) is ended and answers TimedOut. A run that prints
// more than kOutputLimitBytes is ended as soon as it does, and answers
// Finished with exit code -1, no output and the error output
// answerTooLongText(). A run of the panel's own is ended when its `receiver`
// is destroyed.
class ProcessRunner {
public:
    using Done = std::function<void(const ProcessAnswer&)>;

    // Who asked for a run: the user (the stop command), or the panel itself
    // (the node status queries, a daemon's help), whose processes the watcher
    // leaves out.
    enum class Caller { User, Panel };

    virtual ~ProcessRunner() = default;
    virtual void run(const QString& program, const QStringList& arguments, int timeoutMs, Caller caller,
        QObject* receiver, Done done)
        = 0;

    // The process groups (ChildGroup::id) of the panel's own runs that have
    // started and not yet been reaped.
    virtual QList<qint64> panelGroups() const = 0;
};

// Runs the program and arguments of a command line. A line that names no
// program, or has a quote left open, answers NotStarted with the reason, from
// the event loop as every answer comes.
void runCommandLine(ProcessRunner& runner, const CommandLine& line, int timeoutMs,
    ProcessRunner::Caller caller, QObject* receiver, ProcessRunner::Done done);
