#include "client_runner_qprocess.h"

#include "child_group.h"
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
    const CommandLine line(commandLine);
    if (line.quoteLeftOpen() || line.isEmpty()) {
        answerLater(receiver, std::move(done),
            notStarted(line.quoteLeftOpen()
                    ? QStringLiteral("The command line has a double quote that is never closed.")
                    : QStringLiteral("The command line is empty.")));
        return;
    }

    // The process belongs to the runner, not to the receiver: a stop command
    // keeps running when the window that asked for it closes. The panel's own
    // runs are of no use once their window is gone, and are ended with it.
    auto* process = new QProcess(this);
    process->setProgram(line.program());
    process->setArguments(line.arguments());
    process->setStandardInputFile(QProcess::nullDevice());
    m_runs.push_back({ process, std::make_unique<ChildGroup>(*process), caller });
    auto run = std::make_shared<Run>();
    QPointer<QObject> target(receiver);
    if (caller == Caller::Panel && receiver)
        connect(receiver, &QObject::destroyed, process, [this, process] { endGroup(process); });
    auto finish = [this, process, target, done](ClientAnswer answer) {
        std::erase_if(m_runs, [process](const Started& started) { return started.process == process; });
        process->deleteLater();
        if (target)
            done(answer);
    };

    // Output is taken as it arrives, so that a run printing without end is
    // ended at the limit; what still arrives while it dies is dropped.
    const auto collect = [this, process, run] {
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
            endGroup(process);
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
        QTimer::singleShot(timeoutMs, process, [this, process, run] {
            run->timedOut = true;
            endGroup(process);
        });
    process->start();
}

// A run that has finished has no group any more: there is nothing to end.
void QProcessClientRunner::endGroup(const QProcess* process)
{
    for (const Started& started : m_runs)
        if (started.process == process)
            started.group->end();
}

// The groups of the runs that still run end before their processes are
// destroyed, which would end only the started programs.
QProcessClientRunner::~QProcessClientRunner()
{
    m_runs.clear();
}

// A group is listed from the start until QProcess reaps its program, which
// happens in the event loop just before `finished`: no other process can
// have taken its id while it is listed.
QList<qint64> QProcessClientRunner::panelGroups() const
{
    QList<qint64> groups;
    for (const Started& started : m_runs)
        if (const qint64 id = started.group->id(); id > 0 && started.caller == Caller::Panel)
            groups.append(id);
    return groups;
}
