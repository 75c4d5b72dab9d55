#include "process_launcher_posix.h"

#include "child_program.h"
#include "launch_log.h"

#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QStandardPaths>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

LaunchResult notStarted(const QString& reason)
{
    return { false, reason, {}, {} };
}

QString systemText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
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
        return notStarted(QStringLiteral("%1: %2").arg(resolved, systemText(error)));
    return { true, {}, {}, {} };
}

ProcessEnd describeEnd(int status)
{
    if (WIFSIGNALED(status)) {
        const int signal = WTERMSIG(status);
        return { true,
            QStringLiteral("signal %1 (%2)").arg(signal).arg(QString::fromLocal8Bit(::sigdescr_np(signal))) };
    }
    const int code = WEXITSTATUS(status);
    return { code != 0, QStringLiteral("exit code %1").arg(code) };
}

// Reaps the started process, which keeps a zombie from looking like a running node.
ProcessEnd waitForEnd(pid_t pid)
{
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return { false, QStringLiteral("exit status unknown") };
    return describeEnd(status);
}

// The read end of the output pipe, closed when the copy lets go of it.
struct PipeEnd {
    int fd;
    ~PipeEnd() { ::close(fd); }
    qint64 read(char* buffer, qint64 size) const
    {
        ssize_t got;
        while ((got = ::read(fd, buffer, static_cast<size_t>(size))) < 0 && errno == EINTR) { }
        return got;
    }
};

} // namespace

PosixProcessLauncher::PosixProcessLauncher(BoundedLog::Opener openLog)
    : m_openLog(std::move(openLog))
{
}

LaunchResult PosixProcessLauncher::launch(
    const CommandLine& commandLine, WindowStyle style, const QString& outputLog)
{
    if (commandLine.quoteLeftOpen())
        return notStarted(QStringLiteral("The command line has a double quote that is never closed."));
    if (commandLine.isEmpty())
        return notStarted(QStringLiteral("The command line is empty."));

    QString program;
    if (LaunchResult checked = checkProgram(commandLine.program(), program); !checked.started)
        return checked;

    // A log that cannot be written does not keep the program from starting.
    const QString logProblem = outputLog.isEmpty() ? QString() : prepareLaunchLog(outputLog, commandLine);
    const bool copied = !outputLog.isEmpty() && logProblem.isEmpty();
    int pipeEnds[2] = { -1, -1 };
    if (copied && ::pipe2(pipeEnds, O_CLOEXEC) != 0)
        return notStarted(systemText(errno));
    const auto output = std::make_shared<PipeEnd>(pipeEnds[0]);

    posix_spawn_file_actions_t streams;
    posix_spawnattr_t attributes;
    ::posix_spawn_file_actions_init(&streams);
    ::posix_spawnattr_init(&attributes);
    const auto release = qScopeGuard([&] {
        ::posix_spawn_file_actions_destroy(&streams);
        ::posix_spawnattr_destroy(&attributes);
    });
    if (copied || style == WindowStyle::Hidden) {
        ::posix_spawn_file_actions_addopen(&streams, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        for (const int stream : { STDOUT_FILENO, STDERR_FILENO }) {
            if (copied)
                ::posix_spawn_file_actions_adddup2(&streams, pipeEnds[1], stream);
            else
                ::posix_spawn_file_actions_addopen(&streams, stream, "/dev/null", O_WRONLY, 0);
        }
    }
    // A session of its own (and so a process group), with every signal as a
    // freshly started program expects it.
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    ::posix_spawnattr_setsigmask(&attributes, &none);
    ::posix_spawnattr_setsigdefault(&attributes, &all);
    ::posix_spawnattr_setflags(
        &attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    QList<QByteArray> bytes { QFile::encodeName(program) };
    for (const QString& argument : commandLine.arguments())
        bytes.append(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& argument : bytes)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    pid_t pid = 0;
    const int failure = ::posix_spawn(&pid, argv.front(), &streams, &attributes, argv.data(), environ);
    if (copied)
        ::close(pipeEnds[1]);
    if (failure != 0)
        return notStarted(QStringLiteral("%1: %2").arg(program, systemText(failure)));

    ChildProgram::Os os { [pid] { return waitForEnd(pid); },
        // The group is the started process's own: its id is the group's.
        [pid] { return ::kill(-pid, 0) == 0 || errno == EPERM; },
        [output](char* buffer, qint64 size) { return output->read(buffer, size); } };
    auto log = copied ? std::make_unique<BoundedLog>(outputLog, kLaunchLogLimit, m_openLog) : nullptr;
    return { true, {}, logProblem, ChildProgram::follow(std::move(os), std::move(log)) };
}
