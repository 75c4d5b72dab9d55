#include "process_runner.h"

#include <QTimer>

void runCommandLine(ProcessRunner& runner, const CommandLine& line, int timeoutMs,
    ProcessRunner::Caller caller, QObject* receiver, ProcessRunner::Done done)
{
    if (!line.quoteLeftOpen() && !line.isEmpty()) {
        runner.run(line.program(), line.arguments(), timeoutMs, caller, receiver, std::move(done));
        return;
    }
    const QString reason = line.quoteLeftOpen()
        ? QStringLiteral("The command line has a double quote that is never closed.")
        : QStringLiteral("The command line is empty.");
    QTimer::singleShot(0, receiver, [done = std::move(done), reason] {
        done({ ProcessAnswer::Outcome::NotStarted, -1, {}, reason, reason });
    });
}
