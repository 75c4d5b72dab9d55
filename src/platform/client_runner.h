#pragma once

#include "output_limit.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

// What one run of a command-line client gave back.
struct ClientAnswer {
    enum class Outcome { Finished, NotStarted, TimedOut };
    Outcome outcome = Outcome::Finished;
    int exitCode = 0;
    QString output; // standard output
    QString errorOutput; // standard error; the system's reason when not started
};

// Runs a command-line client in the background, never through a shell, and
// never waits for it: `done` gets the answer later on the user-interface
// thread, and is dropped when `receiver` is gone by then. Ending a run ends
// the program and every process it started. A run that has not ended after
// `timeoutMs` (0: no limit) is ended and answers TimedOut. A run that prints
// more than kOutputLimitBytes is ended as soon as it does, and answers
// Finished with exit code -1, no output and the error output
// answerTooLongText(). A run of the panel's own is ended when its `receiver`
// is destroyed.
class ClientRunner {
public:
    using Done = std::function<void(const ClientAnswer&)>;

    // Who asked for a run: the user (the stop command), or the panel itself
    // (the node status queries), whose processes the watcher leaves out.
    enum class Caller { User, Panel };

    virtual ~ClientRunner() = default;
    virtual void run(const QString& commandLine, int timeoutMs, Caller caller, QObject* receiver, Done done)
        = 0;

    // The process groups (ChildGroup::id) of the panel's own runs that have
    // started and not yet been reaped.
    virtual QList<qint64> panelGroups() const = 0;
};
