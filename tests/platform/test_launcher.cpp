#include "platform/command_line.h"
#include "platform/process_launcher_posix.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// What a standard stream of a process is open on ("/dev/null", "pipe:[1234]").
QString streamTarget(qint64 pid, int fd)
{
    char target[256] {};
    const ssize_t length
        = ::readlink(qPrintable(u"/proc/%1/fd/%2"_s.arg(pid).arg(fd)), target, sizeof target - 1);
    return length < 0 ? QString() : QString::fromLocal8Bit(target, length);
}

} // namespace

class TestLauncher : public QObject {
    Q_OBJECT

private slots:
    void splitsBuilderLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("qt line, blanks in folders, trailing blank")
            << u"\"/opt/my nodes/bin/litecoin-qt\" -conf=\"/home/u/my conf/a.conf\" "_s
            << QStringList { u"/opt/my nodes/bin/litecoin-qt"_s, u"-conf=/home/u/my conf/a.conf"_s };
        QTest::newRow("cli line, two blanks before stop")
            << u"\"/usr/bin/litecoin-cli\" -conf=\"/c.conf\"  stop"_s
            << QStringList { u"/usr/bin/litecoin-cli"_s, u"-conf=/c.conf"_s, u"stop"_s };
        QTest::newRow("windows path keeps backslashes")
            << u"\"C:\\Program Files\\x.exe\" -datadir=\"D:\\Data\\\""_s
            << QStringList { u"C:\\Program Files\\x.exe"_s, u"-datadir=D:\\Data\\"_s };
        QTest::newRow("shell characters are text")
            << u"\"/bin/echo\" ;touch /tmp/x"_s << QStringList { u"/bin/echo"_s, u";touch"_s, u"/tmp/x"_s };
    }

    void splitsBuilderLines()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, expected);
        QCOMPARE(splitCommandLine(line), std::optional(expected));
    }

    // Every closed line of up to six characters from the characters that matter
    // splits as Qt splits it.
    void agreesWithQtOnEveryClosedLine()
    {
        QStringList lines { QString() };
        for (qsizetype from = 0; lines[from].size() < 6; ++from)
            for (const QChar c : u"a \"\\\t"_s)
                lines += lines[from] + c;
        int closed = 0;
        for (const QString& line : std::as_const(lines)) {
            const std::optional<QStringList> split = splitCommandLine(line);
            closed += split.has_value();
            QVERIFY2(!split || *split == QProcess::splitCommand(line), qPrintable(line));
        }
        QVERIFY(closed > lines.size() / 3);
    }

    void reportsWhyNothingStarted_data()
    {
        QVERIFY(m_dir.isValid());
        const QString plainFile = m_dir.filePath(u"not-a-program"_s);
        QFile file(plainFile);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("#!/bin/sh\n") > 0);
        file.close();

        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("reasonPart");
        QTest::newRow("empty") << QString() << u"empty"_s;
        QTest::newRow("program quote open") << u"\"/bin/echo hi"_s << u"never closed"_s;
        QTest::newRow("argument quote open") << u"prog -conf=\"/a b.conf"_s << u"never closed"_s;
        QTest::newRow("missing path") << u"\"/nonexistent/qrl/prog\" -x"_s << u"No such file"_s;
        QTest::newRow("missing on search path")
            << u"qrl-no-such-program-7a1 stop"_s << u"qrl-no-such-program-7a1"_s;
        QTest::newRow("not executable") << u"\"%1\" -x"_s.arg(plainFile) << u"Permission denied"_s;
    }

    void reportsWhyNothingStarted()
    {
        QFETCH(QString, line);
        QFETCH(QString, reasonPart);
        const LaunchResult result = PosixProcessLauncher().launch(line, WindowStyle::Hidden);
        QVERIFY(!result.started);
        QVERIFY2(result.error.contains(reasonPart), qPrintable(result.error));
    }

    // Shell characters reach the program as text, and no shell runs the rest of a line.
    void runsNothingButTheNamedProgram()
    {
        QTemporaryDir out;
        const QString forbidden = out.filePath(u"x"_s);
        PosixProcessLauncher launcher;
        QVERIFY(launcher.launch(u"\"/bin/echo\" ;touch %1"_s.arg(forbidden), WindowStyle::Hidden).started);

        // Started after the echo line: once it has run, a shell would have had its turn.
        QStringList names { u"a b"_s, u"c;d"_s, u"$(id)"_s, u"e|f"_s, u"g>h"_s, u"`id`"_s, u"*"_s, u"i&j"_s };
        QString line = u"\"/usr/bin/touch\""_s;
        for (const QString& name : names)
            line += u" \"%1/%2\""_s.arg(out.path(), name);
        QVERIFY(launcher.launch(line, WindowStyle::Hidden).started);
        names.sort();
        QTRY_COMPARE(QDir(out.path()).entryList(QDir::Files, QDir::Name), names);
    }

    void startsInOwnSessionWithStyleStreams_data()
    {
        QTest::addColumn<WindowStyle>("style");
        QTest::newRow("hidden: streams on /dev/null") << WindowStyle::Hidden;
        QTest::newRow("normal: streams inherited") << WindowStyle::Normal;
    }

    void startsInOwnSessionWithStyleStreams()
    {
        QFETCH(WindowStyle, style);
        QTemporaryDir dir;
        const QString pidFile = dir.filePath(u"pid"_s);
        // The shell is the program started here, not a shell around it; it writes its pid and becomes sleep.
        const QString line
            = u"/bin/sh -c \"echo $$ > '%1.part'; mv '%1.part' '%1'; exec sleep 30\""_s.arg(pidFile);
        QVERIFY(PosixProcessLauncher().launch(line, style).started);
        QTRY_VERIFY(QFile::exists(pidFile));
        QFile file(pidFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const pid_t pid = file.readAll().trimmed().toInt();
        QVERIFY(pid > 0);
        const auto killProbe = qScopeGuard([pid] { ::kill(pid, SIGKILL); });

        QVERIFY(::getsid(pid) > 0 && ::getsid(pid) != ::getsid(0));
        for (int fd = 0; fd <= 2; ++fd)
            QCOMPARE(streamTarget(pid, fd),
                style == WindowStyle::Hidden ? u"/dev/null"_s : streamTarget(::getpid(), fd));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestLauncher)
#include "test_launcher.moc"
