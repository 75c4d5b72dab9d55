#include "qprocess_program_runner.h"

#include "child_group.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>

namespace {
constexpr int kTimeLimitMs = 5000;
}

ProgramOutput QProcessProgramRunner::run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    ChildGroup group(process);

    // Waits in an event loop rather than in waitForFinished, so that the
    // windows keep painting while a slow program answers.
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            loop.quit();
    });
    // Output is taken as it arrives, so that a program printing without end
    // is stopped at the limit rather than read until the time limit.
    QByteArray output;
    bool tooLong = false;
    QObject::connect(&process, &QProcess::readyReadStandardOutput, &loop, [&] {
        output += process.readAllStandardOutput();
        if (output.size() > kOutputLimitBytes) {
            tooLong = true;
            loop.quit();
        }
    });
    process.start(program, arguments);
    limit.start(kTimeLimitMs);
    if (process.state() != QProcess::NotRunning) {
        // Listed until the loop ends, which is after the process was reaped,
        // so the id never stands for another process meanwhile.
        m_running = { group.id() };
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }

    m_running.clear();
    if (tooLong || process.state() != QProcess::NotRunning) {
        group.end();
        process.waitForFinished(1000);
        return { false, {},
            tooLong ? answerTooLongText()
                    : QStringLiteral("it did not answer within %1 seconds").arg(kTimeLimitMs / 1000) };
    }
    if (process.error() == QProcess::FailedToStart || process.exitStatus() != QProcess::NormalExit)
        return { false, {}, process.errorString() };
    return { true, QString::fromLocal8Bit(output + process.readAllStandardOutput()), {} };
}

QList<qint64> QProcessProgramRunner::panelGroups() const
{
    return m_running;
}
