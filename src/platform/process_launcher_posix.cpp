#include "process_launcher_posix.h"

#include "command_line.h"
#include "launch_log.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

LaunchResult notStarted(const QString& reason)
{
    return { false, reason, {} };
}

// Finds the program the way exec would and says why it cannot run, so that the
// user learns the reason before anything is started.
LaunchResult checkProgram(const QString& program, QString& resolved)
{
    resolved = program.contains(u'/') ? program : QStandardPaths::findExecutable(program);
    if (resolved.isEmpty())
        return notStarted(
            QStringLiteral("No program named \"%1\" was found on the search path.").arg(program));
    // A folder passes the execute check, but exec refuses it.
    const int error = QFileInfo(resolved).isDir()                      ? EISDIR
        : ::access(QFile::encodeName(resolved).constData(), X_OK) != 0 ? errno
                                                                       : 0;
    if (error != 0)
        return notStarted(
            QStringLiteral("%1: %2").arg(resolved, QString::fromLocal8Bit(std::strerror(error))));
    return { true, {}, {} };
}

} // namespace

LaunchResult PosixProcessLauncher::launch(
    const QString& commandLine, WindowStyle style, const QString& outputLog)
{
    const std::optional<QStringList> args = splitCommandLine(commandLine);
    if (!args)
        return notStarted(QStringLiteral("The command line has a double quote that is never closed."));
    if (args->isEmpty())
        return notStarted(QStringLiteral("The command line is empty."));

    QString program;
    if (LaunchResult checked = checkProgram(args->first(), program); !checked.started)
        return checked;

    QProcess process;
    process.setProgram(program);
    process.setArguments(args->mid(1));
    // A log that cannot be written does not keep the program from starting.
    const QString logProblem = outputLog.isEmpty() ? QString() : prepareLaunchLog(outputLog, commandLine);
    if (!outputLog.isEmpty() && logProblem.isEmpty()) {
        process.setStandardInputFile(QProcess::nullDevice());
        process.setStandardOutputFile(outputLog, QIODevice::Append);
        process.setStandardErrorFile(outputLog, QIODevice::Append);
    } else if (style == WindowStyle::Hidden) {
        process.setStandardInputFile(QProcess::nullDevice());
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
    }
    if (!process.startDetached())
        return notStarted(process.errorString());
    return { true, {}, logProblem };
}
