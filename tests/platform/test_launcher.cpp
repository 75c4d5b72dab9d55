#include "fakes/file_bytes.h"
#include "node_control/launch_watch.h"
#include "platform/launch_log.h"
#include "platform/process_launcher_posix.h"
#include "platform/process_query_linux.h"
#include "platform/process_runner_qprocess.h"
#include "platform/program_help.h"
#include "platform/qt_dialogs.h"

#include <QMessageBox>
#include <QScreen>
#include <QtTest>

#include <csignal>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// What a standard stream of a process is open on ("/dev/null", "pipe:[1234]").
QString streamTarget(qint64 pid, int fd)
{
    char target[256];
    const ssize_t length
        = ::readlink(qPrintable(u"/proc/%1/fd/%2"_s.arg(pid).arg(fd)), target, sizeof target);
    return QString::fromLocal8Bit(target, std::max<ssize_t>(length, 0));
}

// Ends the group of a started script that wrote its process id into a file.
bool endGroup(const QString& pidFile)
{
    const pid_t pid = fileBytes(pidFile).trimmed().toInt();
    return pid > 1 && ::kill(-pid, SIGKILL) == 0;
}

// How long a script may take to start its program on a busy machine.
constexpr int kSlowStartMs = 30000;

// A client or daemon script: it runs a copy of sh under its own name (its "inner" program) without exec and
// waits for it. The inner program notes its pid, so that what a failed test leaves running is ended.
struct WrapperScript {
    explicit WrapperScript(const QString& innerScript)
    {
        const QString script = u"#!/bin/sh\n'%1' -c 'echo $$ > \"%2\"; %3'\necho after\n"_s.arg(
            dir.filePath(innerName), dir.filePath(u"inner-pid"_s), innerScript);
        QVERIFY(QFile::copy(u"/bin/sh"_s, dir.filePath(innerName)) && writeFile(path, script.toUtf8()));
        QVERIFY(QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner));
    }
    ~WrapperScript()
    {
        QFile pidFile(dir.filePath(u"inner-pid"_s));
        if (innerRunning() > 0 && pidFile.open(QIODevice::ReadOnly))
            ::kill(pidFile.readAll().trimmed().toInt(), SIGKILL);
    }
    // How many of the inner program's processes run (-1: the list cannot be read).
    int innerRunning() { return query.countProcesses({ innerName }).value_or(QList { -1 }).first(); }

    QTemporaryDir dir;
    const QString innerName = u"qrl-inner-%1"_s.arg(::getpid());
    const QString path = dir.filePath(u"wrapper"_s);
    LinuxProcessQuery query;
};

} // namespace

class TestLauncher : public QObject {
    Q_OBJECT

private slots:
    // Both the launcher and the client runner say why nothing started; the runner answers from the event
    // loop, never inside run().
    void reportsWhyNothingStarted()
    {
        const QString unclosed = u"The command line has a double quote that is never closed."_s;
        for (const auto& [line, reason, clientReason] :
            { std::tuple(QString(), u"The command line is empty."_s, u"The command line is empty."_s),
                { u"\"/bin/echo hi"_s, unclosed, unclosed },
                { u"qrl-no-such-program-7a1 stop"_s,
                    u"No program named \"qrl-no-such-program-7a1\" was found on the search path."_s,
                    u"qrl-no-such-program-7a1: "_s },
                { u"\"/etc/passwd\" -x"_s, u"/etc/passwd: Permission denied"_s, u"/etc/passwd: "_s } }) {
            const LaunchResult result
                = PosixProcessLauncher().launch(CommandLine(line), WindowStyle::Hidden, {});
            QCOMPARE(std::pair(result.started, result.error), std::pair(false, reason));
            QProcessRunner runner;
            std::optional<ProcessAnswer> answer;
            runCommandLine(runner, CommandLine(line), 0, ProcessRunner::Caller::User, this,
                [&](const ProcessAnswer& a) { answer = a; });
            QVERIFY(!answer);
            QTRY_VERIFY(answer);
            QCOMPARE(
                std::tuple(answer->outcome, answer->exitCode, answer->errorOutput.first(clientReason.size())),
                std::tuple(ProcessAnswer::Outcome::NotStarted, -1, clientReason));
        }
    }

    // No shell runs the rest of a line: once a later launch has run, a shell would have had its turn.
    void runsNothingButTheNamedProgram()
    {
        QTemporaryDir out;
        PosixProcessLauncher launcher;
        QVERIFY(
            launcher
                .launch(CommandLine(u"\"/bin/echo\" ;touch %1/x"_s.arg(out.path())), WindowStyle::Hidden, {})
                .started);
        QVERIFY(launcher
                    .launch(CommandLine(u"\"/usr/bin/touch\" \"%1/later\""_s.arg(out.path())),
                        WindowStyle::Hidden, {})
                    .started);
        QTRY_COMPARE(QDir(out.path()).entryList(QDir::Files), QStringList { u"later"_s });
    }

    // An error box shows as plain text the first and last 200 characters of each long line (1 MB), on screen.
    void longErrorFitsTheScreen()
    {
        const QString line = u"\"/no-such-folder/"_s + QString(1 << 20, u'a') + u"-qt\" -x"_s;
        QString shown;
        QRect frame;
        Qt::TextFormat format = Qt::AutoText;
        QTimer answer; // accepts the error box when it shows
        connect(&answer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->text().remove(QChar(0x200B)); // where long runs may break
                frame = box->frameGeometry();
                format = box->textFormat();
                box->accept();
            }
        });
        answer.start(50);
        QtDialogs().showError(nullptr, u"QUORLIN"_s, u"Could not start:\n\n"_s + line + u"\n\n"_s + line);
        QCOMPARE(frame.intersected(QGuiApplication::primaryScreen()->availableGeometry()), frame);
        QCOMPARE(format, Qt::PlainText);
        const QString ends = line.first(200) + u"..."_s + line.last(200);
        QCOMPARE(shown, u"Could not start:\n\n"_s + ends + u"\n\n"_s + ends);
    }

    void startsInOwnSessionWithStyleStreams()
    {
        for (const auto& [style, logged] : { std::pair(WindowStyle::Hidden, false),
                 std::pair(WindowStyle::Normal, false), std::pair(WindowStyle::Normal, true) }) {
            QTemporaryDir dir;
            const QString log = logged ? dir.filePath(u"logs/x-qt.log"_s) : QString();
            const QString pidFile = dir.filePath(u"pid"_s);
            // sh is the program started, not a shell around it; it writes its pid and becomes sleep.
            const QString line
                = u"/bin/sh -c \"echo $$ > '%1.part'; mv '%1.part' '%1'; exec sleep 30\""_s.arg(pidFile);
            QVERIFY(PosixProcessLauncher().launch(CommandLine(line), style, log).started);
            QTRY_VERIFY(QFile::exists(pidFile));
            const pid_t pid = fileBytes(pidFile).trimmed().toInt();
            QVERIFY(pid > 0);
            const auto killProbe = qScopeGuard([pid] { ::kill(pid, SIGKILL); });
            QVERIFY(::getsid(pid) > 0 && ::getsid(pid) != ::getsid(0));
            QCOMPARE(::getpgid(pid), pid);
            for (int fd = 0; fd <= 2; ++fd)
                QCOMPARE(streamTarget(pid, fd).left(5),
                    (logged                                ? (fd == 0 ? u"/dev/null"_s : u"pipe:"_s)
                            : style == WindowStyle::Hidden ? u"/dev/null"_s
                                                           : streamTarget(::getpid(), fd))
                        .left(5));
        }
    }

    // A wrapper script that runs the node without exec runs while its own process does, though nothing has
    // the node's name; a start that failed is gone, with its exit status, once nothing of its group runs.
    void launchWatchFollowsTheStartedProcess()
    {
        QTemporaryDir dir;
        PosixProcessLauncher launcher;
        LaunchWatch watch;
        QElapsedTimer clock;
        clock.start();
        // Each script first writes its process id, which is its group's.
        for (const auto& [name, script] : { std::pair(u"wrapper"_s, u"sleep 30; true"_s),
                 { u"failed-with-child"_s, u"sleep 30 & exit 3"_s }, { u"failed"_s, u"exit 3"_s },
                 { u"killed"_s, u"kill -9 $$"_s } }) {
            const QString line = u"/bin/sh -c \"echo $$ > '%1'; %2\""_s.arg(dir.filePath(name), script);
            watch.started(name, launcher.launch(CommandLine(line), WindowStyle::Hidden, {}).program, {}, 0,
                clock.elapsed());
        }
        QStringList gone;
        const auto tick = [&] {
            for (const LaunchWatch::Gone& program :
                watch.tick([](const QString&) { return false; }, clock.elapsed()))
                gone.append(program.program + u": "_s + program.end);
        };
        QTRY_VERIFY_WITH_TIMEOUT((tick(), gone.size() >= 2), 20000);
        for (int i = 0; i < 4; ++i) {
            QTest::qWait(50);
            tick();
        }
        gone.sort();
        QCOMPARE(gone, QStringList({ u"failed: exit code 3"_s, u"killed: signal 9 (Killed)"_s }));
        QVERIFY(endGroup(dir.filePath(u"wrapper"_s)) && endGroup(dir.filePath(u"failed-with-child"_s)));
    }

    // A flooding program leaves at most the limit in the log and as much in the ".1" file: its output's end.
    void floodedLogKeepsItsLimit()
    {
        QTemporaryDir dir;
        const QString log = dir.filePath(u"x-daemon.log"_s);
        const LaunchResult result
            = PosixProcessLauncher().launch(CommandLine(u"/usr/bin/seq 1000000"_s), WindowStyle::Hidden, log);
        QVERIFY(result.started);
        QTRY_VERIFY_WITH_TIMEOUT(result.program->finished(), 20000);
        QVERIFY(launchLogSize(log) <= kLaunchLogLimit && launchLogSize(log + u".1"_s) <= kLaunchLogLimit);
        QCOMPARE(lastLogLines(log, 0, 1), u"1000000"_s);
    }

    // On a full disk the copy stops, says so once, drains on: the program passes 2 MB of output and runs on.
    void fullDiskIsToldOnceAndTheProgramRuns()
    {
        QTemporaryDir dir;
        PosixProcessLauncher launcher([](const QString&) {
            auto full = std::make_unique<QFile>(u"/dev/full"_s);
            full->open(QIODevice::WriteOnly | QIODevice::Unbuffered);
            return full;
        });
        const QString pidFile = dir.filePath(u"pid"_s), past = dir.filePath(u"past"_s);
        const QString line
            = u"/bin/sh -c \"echo $$ > '%1'; head -c 2000000 /dev/zero; touch '%2'; exec sleep 30\""_s.arg(
                pidFile, past);
        const LaunchResult result
            = launcher.launch(CommandLine(line), WindowStyle::Hidden, dir.filePath(u"x-daemon.log"_s));
        QVERIFY(result.started);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(past), 20000);
        QCOMPARE(result.program->takeOutputProblem(), u"No space left on device"_s);
        QCOMPARE(result.program->takeOutputProblem(), QString());
        QVERIFY(!result.program->end());
        QVERIFY(endGroup(pidFile));
        QTRY_VERIFY(result.program->finished());
    }

    // The launch log is made its owner's only; a log that was there keeps its permissions; a link, a device
    // or another user's file is not written.
    void launchLogKeepsToItsOwner()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"x-daemon.log"_s);
        QCOMPARE(prepareLaunchLog(path, CommandLine(u"d"_s)), QString());
        QCOMPARE(QFile::permissions(path) & 0x7077, QFile::ReadOwner | QFile::WriteOwner);
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
        QCOMPARE(prepareLaunchLog(path, CommandLine(u"f"_s)), QString());
        QCOMPARE(QFile::permissions(path) & 0x7077, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
        const QString link = dir.filePath(u"link.log"_s), theirs = dir.filePath(u"theirs.log"_s);
        QVERIFY(QFile::link(path, link) && QFile::copy(path, theirs));
        const bool root
            = ::geteuid() == 0 && ::chown(QFile::encodeName(theirs).constData(), 65534, 65534) == 0;
        const qint64 sizeBefore = launchLogSize(path);
        for (const QString& refused : { link, u"/dev/full"_s })
            QVERIFY(!prepareLaunchLog(refused, CommandLine(u"g"_s)).isEmpty());
        QCOMPARE(launchLogSize(path), sizeBefore);
        QCOMPARE(prepareLaunchLog(theirs, CommandLine(u"g"_s)).isEmpty(), !root);
    }

    // The client runner collects both streams and the exit code, ends a hung run by its process id and lists
    // the panel's own runs while they run.
    void clientRunnerAnswers()
    {
        QProcessRunner runner;
        QObject receiver;
        QList<ProcessAnswer> answers;
        const auto run = [&](const QString& line, int timeoutMs, ProcessRunner::Caller caller) {
            runCommandLine(runner, CommandLine(line), timeoutMs, caller, &receiver,
                [&](const ProcessAnswer& a) { answers.append(a); });
        };
        using enum ProcessRunner::Caller;
        run(u"/bin/sh -c \"echo out; echo err >&2; exit 3\""_s, 0, User);
        run(u"/bin/sleep 30"_s, 300, Panel);
        run(u"/bin/sleep 30"_s, 300, User);
        const QList<qint64> pids = runner.panelGroups();
        QCOMPARE(pids.size(), 1);
        QTRY_COMPARE(QFile::symLinkTarget(u"/proc/%1/exe"_s.arg(pids.first())),
            QFileInfo(u"/bin/sleep"_s).canonicalFilePath());
        QTRY_COMPARE(answers.size(), 3);
        QVERIFY(runner.panelGroups().isEmpty());
        using enum ProcessAnswer::Outcome;
        QCOMPARE(
            std::tuple(answers[0].outcome, answers[0].exitCode, answers[0].output, answers[0].errorOutput),
            std::tuple(Finished, 3, u"out\n"_s, u"err\n"_s));
        QCOMPARE(std::pair(answers[1].outcome, answers[2].outcome), std::pair(TimedOut, TimedOut));
    }

    // A client over the limit, on one or both streams, at once or endlessly, is ended with "answer too long".
    void clientRunnerEndsAnAnswerTooLong()
    {
        for (const QString& line : { u"/usr/bin/head -c 2000000 /dev/zero"_s,
                 u"/bin/sh -c \"head -c 600000 /dev/zero; head -c 600000 /dev/zero >&2; sleep 30\""_s,
                 u"/usr/bin/yes"_s }) {
            QProcessRunner runner;
            std::optional<ProcessAnswer> answer;
            runCommandLine(runner, CommandLine(line), 3000, ProcessRunner::Caller::Panel, this,
                [&](const ProcessAnswer& a) { answer = a; });
            QTRY_VERIFY(answer);
            QCOMPARE(
                std::tuple(answer->outcome, answer->exitCode, answer->output.size(), answer->errorOutput),
                std::tuple(ProcessAnswer::Outcome::Finished, -1, 0, u"answer too long (more than 1 MB)"_s));
        }
    }

    // However a run of a client that is a script ends (its time limit, its output limit, its window closed,
    // the panel's exit), the program the script started ends with it.
    void clientRunnerEndsTheWholeScript_data()
    {
        QTest::addColumn<QString>("innerScript");
        QTest::addColumn<QString>("ending");
        const QString hangs = u"sleep 30; :"_s;
        QTest::newRow("hangs") << hangs << u"time limit"_s;
        // It ignores the pipe closing on it, so only being ended stops it.
        QTest::newRow("floods") << u"trap \"\" PIPE; while :; do head -c 100000 /dev/zero; done"_s
                                << u"output limit"_s;
        QTest::newRow("window closed") << hangs << u"window closed"_s;
        QTest::newRow("panel exit") << hangs << u"panel exit"_s;
    }

    void clientRunnerEndsTheWholeScript()
    {
        QFETCH(QString, innerScript);
        QFETCH(QString, ending);
        WrapperScript client(innerScript);
        auto runner = std::make_unique<QProcessRunner>();
        auto receiver = std::make_unique<QObject>();
        std::optional<ProcessAnswer> answer;
        // The panel's own limit, long enough for the script to start its program on a busy machine.
        const int timeoutMs = ending == u"time limit"_s ? 10000 : 0;
        runner->run(client.path, {}, timeoutMs, ProcessRunner::Caller::Panel, receiver.get(),
            [&](const ProcessAnswer& a) { answer = a; });
        // The script's program is up; while it starts a command of its own, a forked copy of it may count as
        // a second one for a moment.
        if (ending != u"output limit"_s)
            QTRY_VERIFY_WITH_TIMEOUT(client.innerRunning() > 0, kSlowStartMs);
        if (ending == u"window closed"_s)
            receiver.reset();
        else if (ending == u"panel exit"_s)
            runner.reset();
        else
            QTRY_VERIFY_WITH_TIMEOUT(answer, kSlowStartMs);
        QTRY_COMPARE_WITH_TIMEOUT(client.innerRunning(), 0, kSlowStartMs);
    }

    // The help reader says why a program gave no help: the system's reason it did not start, its crash, or
    // its time limit.
    void programHelpSaysWhyItGaveNone_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("error");
        QTest::newRow("not started") << u"/no/such/daemon"_s << QStringList()
                                     << u"execvp: No such file or directory"_s;
        QTest::newRow("crashed") << u"/bin/sh"_s << QStringList { u"-c"_s, u"kill -SEGV $$"_s }
                                 << u"Process crashed"_s;
        QTest::newRow("hangs") << u"/bin/sleep"_s << QStringList { u"30"_s }
                               << u"it did not answer within 5 seconds"_s;
    }

    void programHelpSaysWhyItGaveNone()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);
        QProcessRunner runner;
        std::optional<ProgramOutput> result;
        ProgramHelpReader(runner).read(program, arguments, this, [&](const ProgramOutput& a) { result = a; });
        QTRY_VERIFY_WITH_TIMEOUT(result, kSlowStartMs);
        QCOMPARE(std::pair(result->finished, result->error), std::pair(false, error));
    }

    // The conf check's -help run stops a daemon that prints more than the limit, at once or without end, well
    // before its time limit; a daemon that is a script is stopped with what it started.
    void programHelpEndsAnAnswerTooLong()
    {
        WrapperScript daemon(u"trap \"\" PIPE; while :; do head -c 100000 /dev/zero; done"_s);
        QProcessRunner runner;
        ProgramHelpReader help(runner);
        for (const auto& [program, arguments] :
            { std::pair(u"/usr/bin/head"_s, QStringList { u"-c"_s, u"2000000"_s, u"/dev/zero"_s }),
                std::pair(u"/usr/bin/yes"_s, QStringList()), std::pair(daemon.path, QStringList()) }) {
            std::optional<ProgramOutput> result;
            help.read(program, arguments, this, [&](const ProgramOutput& a) { result = a; });
            QTRY_VERIFY_WITH_TIMEOUT(result, kSlowStartMs);
            QCOMPARE(std::tuple(result->finished, result->output.size(), result->error),
                std::tuple(false, 0, u"answer too long (more than 1 MB)"_s));
        }
        QTRY_COMPARE_WITH_TIMEOUT(daemon.innerRunning(), 0, kSlowStartMs);
    }
};

QTEST_MAIN(TestLauncher)
#include "test_launcher.moc"
