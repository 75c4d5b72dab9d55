#include "client_runner_qprocess.h"

#include "command_line.h"

#include <QPointer>
#include <QProcess>
#include <QTimer>

namespace {

// Hands an answer on from the event loop, so `done` never runs inside run().
void answerLater(QObject* receiver, ClientRunner::Done done, ClientAnswer answer)
{
    QTimer::singleShot(0, receiver, [done = std::move(done), answer = std::move(answer)] { done(answer); });
}

// What one run has read so far, and why it was ended, if it was.
struct Run {
    QByteArray output;
    QByteArray errorOutput;
    bool timedOut = false;
    bool tooLong = false;
};

ClientAnswer notStarted(const QString& reason)
{
    return { ClientAnswer::Outcome::NotStarted, -1, {}, reason };
}

} // namespace

void QProcessClientRunner::run(
    const QString& commandLine, int timeoutMs, Caller caller, QObject* receiver, Done done)
{
    const std::optional<QStringList> args = splitCommandLine(commandLine);
    if (!args || args->isEmpty()) {
        answerLater(receiver, std::move(done),
            notStarted(args ? QStringLiteral("The command line is empty.")
                            : QStringLiteral("The command line has a double quote that is never closed.")));
        return;
    }

    // The process belongs to the runner, not to the receiver: a stop command
    // keeps running when the window that asked for it closes.
    auto* process = new QProcess(this);
    process->setProgram(args->first());
    process->setArguments(args->mid(1));
    process->setStandardInputFile(QProcess::nullDevice());
    auto run = std::make_shared<Run>();
    QPointer<QObject> target(receiver);
    if (caller == Caller::Panel)
        m_panelRuns.append(process);
    auto finish = [this, process, target, done](ClientAnswer answer) {
        m_panelRuns.removeOne(process);
        process->deleteLater();
        if (target)
            done(answer);
    };

    // Output is taken as it arrives, so that a run printing without end is
    // ended at the limit; what still arrives while it dies is dropped.
    const auto collect = [process, run] {
        const QByteArray output = process->readAllStandardOutput();
        const QByteArray errorOutput = process->readAllStandardError();
        if (run->tooLong)
            return;
        run->output += output;
        run->errorOutput += errorOutput;
        if (run->output.size() + run->errorOutput.size() > kOutputLimitBytes) {
            run->tooLong = true;
            run->output.clear();
            run->errorOutput.clear();
            process->kill();
        }
    };
    connect(process, &QProcess::readyReadStandardOutput, this, collect);
    connect(process, &QProcess::readyReadStandardError, this, collect);
    connect(process, &QProcess::finished, this, [run, collect, finish](int exitCode, QProcess::ExitStatus) {
        collect();
        if (run->tooLong)
            finish({ ClientAnswer::Outcome::Finished, -1, {}, answerTooLongText() });
        else
            finish({ run->timedOut ? ClientAnswer::Outcome::TimedOut : ClientAnswer::Outcome::Finished,
                exitCode, QString::fromUtf8(run->output), QString::fromUtf8(run->errorOutput) });
    });
    connect(process, &QProcess::errorOccurred, this, [process, finish](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            finish(notStarted(process->program() + QStringLiteral(": ") + process->errorString()));
    });
    if (timeoutMs > 0)
        QTimer::singleShot(timeoutMs, process, [process, run] {
            run->timedOut = true;
            process->kill();
        });
    process->start();
}

// A process id is held from the start until QProcess reaps the process, which
// happens in the event loop just before `finished`: no other process can
// have taken the id while it is listed.
QList<qint64> QProcessClientRunner::panelPids() const
{
    QList<qint64> pids;
    for (const QProcess* process : m_panelRuns)
        if (const qint64 pid = process->processId(); pid > 0)
            pids.append(pid);
    return pids;
}
