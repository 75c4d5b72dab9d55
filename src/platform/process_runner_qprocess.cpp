#include "process_runner_qprocess.h"

#include "child_group.h"

#include <QPointer>
#include <QProcess>
#include <QTimer>

namespace {

// What one run has read so far, and why it was ended, if it was.
struct Run {
    QByteArray output;
    QByteArray errorOutput;
    bool timedOut = false;
    bool tooLong = false;
};

} // namespace

void QProcessRunner::run(const QString& program, const QStringList& arguments, int timeoutMs, Caller caller,
    QObject* receiver, Done done)
{
    // The process belongs to the runner, not to the receiver: a stop command
    // keeps running when the window that asked for it closes. The panel's own
    // runs are of no use once their receiver is gone, and are ended with it.
    auto* process = new QProcess(this);
    process->setProgram(program);
    process->setArguments(arguments);
    process->setStandardInputFile(QProcess::nullDevice());
    m_runs.push_back({ process, std::make_unique<ChildGroup>(*process), caller });
    auto run = std::make_shared<Run>();
    QPointer<QObject> target(receiver);
    if (caller == Caller::Panel && receiver)
        connect(receiver, &QObject::destroyed, process, [this, process] { endGroup(process); });
    auto finish = [this, process, target, done](const ProcessAnswer& answer) {
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
    connect(process, &QProcess::finished, this,
        [process, run, collect, finish, timeoutMs](int exitCode, QProcess::ExitStatus status) {
            collect();
            if (run->tooLong) {
                finish(
                    { ProcessAnswer::Outcome::Finished, -1, {}, answerTooLongText(), answerTooLongText() });
                return;
            }
            QString failure;
            if (run->timedOut)
                failure = QStringLiteral("it did not answer within %1 seconds").arg(timeoutMs / 1000);
            else if (status == QProcess::CrashExit)
                failure = process->errorString();
            finish({ run->timedOut ? ProcessAnswer::Outcome::TimedOut : ProcessAnswer::Outcome::Finished,
                exitCode, QString::fromUtf8(run->output), QString::fromUtf8(run->errorOutput), failure });
        });
    connect(process, &QProcess::errorOccurred, this, [process, finish](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            finish({ ProcessAnswer::Outcome::NotStarted, -1, {},
                process->program() + QStringLiteral(": ") + process->errorString(), process->errorString() });
    });
    if (timeoutMs > 0)
        QTimer::singleShot(timeoutMs, process, [this, process, run] {
            run->timedOut = true;
            endGroup(process);
        });
    process->start();
}

// A run that has finished has no group any more: there is nothing to end.
void QProcessRunner::endGroup(const QProcess* process)
{
    for (const Started& started : m_runs)
        if (started.process == process)
            started.group->end();
}

// The groups of the runs that still run end before their processes are
// destroyed, which would end only the started programs.
QProcessRunner::~QProcessRunner()
{
    m_runs.clear();
}

// A group is listed from the start until QProcess reaps its program, which
// happens in the event loop just before `finished`: no other process can
// have taken its id while it is listed.
QList<qint64> QProcessRunner::panelGroups() const
{
    QList<qint64> groups;
    for (const Started& started : m_runs)
        if (const qint64 id = started.group->id(); id > 0 && started.caller == Caller::Panel)
            groups.append(id);
    return groups;
}
