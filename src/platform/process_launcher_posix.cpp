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

// Finds the program the way exec would and says why it cannot run, so that the
// user learns the reason before anything is started.
LaunchResult checkProgram(const QString& program, QString& resolved)
{
    resolved = program.contains(u'/') ? program : QStandardPaths::findExecutable(program);
    if (resolved.isEmpty())
        return { false,
            QStringLiteral("No program named \"%1\" was found on the search path.").arg(program) };
    // A folder passes the execute check, but exec refuses it.
    const int error = QFileInfo(resolved).isDir()                      ? EISDIR
        : ::access(QFile::encodeName(resolved).constData(), X_OK) != 0 ? errno
                                                                       : 0;
    if (error != 0)
        return { false,
            QStringLiteral("%1: %2").arg(resolved, QString::fromLocal8Bit(std::strerror(error))) };
    return { true, {} };
}

} // namespace

LaunchResult PosixProcessLauncher::launch(
    const QString& commandLine, WindowStyle style, const QString& outputLog)
{
    const std::optional<QStringList> args = splitCommandLine(commandLine);
    if (!args)
        return { false, QStringLiteral("The command line has a double quote that is never closed.") };
    if (args->isEmpty())
        return { false, QStringLiteral("The command line is empty.") };

    QString program;
    if (LaunchResult checked = checkProgram(args->first(), program); !checked.started)
        return checked;

    QProcess process;
    process.setProgram(program);
    process.setArguments(args->mid(1));
    // A log that cannot be written does not keep the program from starting.
    const bool logged = !outputLog.isEmpty() && prepareLaunchLog(outputLog, commandLine).isEmpty();
    if (logged) {
        process.setStandardInputFile(QProcess::nullDevice());
        process.setStandardOutputFile(outputLog, QIODevice::Append);
        process.setStandardErrorFile(outputLog, QIODevice::Append);
    } else if (style == WindowStyle::Hidden) {
        process.setStandardInputFile(QProcess::nullDevice());
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
    }
    if (!process.startDetached())
        return { false, process.errorString() };
    return { true, {} };
}
