#include "platform/command_line.h"
#include "platform/process_launcher_posix.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <unistd.h>

namespace {

// The pid of the one process whose executable is `path`, or 0.
pid_t findProcessByExecutable(const QString& path)
{
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString& entry : entries) {
        bool isPid = false;
        const int pid = entry.toInt(&isPid);
        if (isPid && QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(entry)) == path)
            return pid;
    }
    return 0;
}

// What a standard stream of a process is open on ("/dev/null", "pipe:[1234]").
QString streamTarget(qint64 pid, int fd)
{
    const QByteArray link = QStringLiteral("/proc/%1/fd/%2").arg(pid).arg(fd).toLocal8Bit();
    char target[256] {};
    const ssize_t length = ::readlink(link.constData(), target, sizeof target - 1);
    return length < 0 ? QString() : QString::fromLocal8Bit(target, length);
}

} // namespace

class TestLauncher : public QObject {
    Q_OBJECT

private slots:
    void splitsBuilderLines_data();
    void splitsBuilderLines();
    void refusesOpenQuote_data();
    void refusesOpenQuote();
    void agreesWithQtOnEveryClosedLine();

    void reportsWhyNothingStarted_data();
    void reportsWhyNothingStarted();
    void passesArgumentsWithoutShell();
    void runsNothingButTheNamedProgram();
    void startsInOwnSessionWithStyleStreams_data();
    void startsInOwnSessionWithStyleStreams();

private:
    QTemporaryDir m_dir;
};

void TestLauncher::splitsBuilderLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("qt line, blanks in folders, trailing blank")
        << QStringLiteral(
               R"("/opt/my nodes/bin/litecoin-qt" -conf="/home/u/my conf/a.conf" -datadir="/data/l t c" )")
        << QStringList { QStringLiteral("/opt/my nodes/bin/litecoin-qt"),
               QStringLiteral("-conf=/home/u/my conf/a.conf"), QStringLiteral("-datadir=/data/l t c") };
    QTest::newRow("daemon line with switch")
        << QStringLiteral(R"("/usr/bin/litecoind" -conf="/c.conf" -datadir="/d" -disablewallet=1)")
        << QStringList { QStringLiteral("/usr/bin/litecoind"), QStringLiteral("-conf=/c.conf"),
               QStringLiteral("-datadir=/d"), QStringLiteral("-disablewallet=1") };
    QTest::newRow("cli line, two blanks before stop")
        << QStringLiteral(R"("/usr/bin/litecoin-cli" -conf="/c.conf"  stop)")
        << QStringList { QStringLiteral("/usr/bin/litecoin-cli"), QStringLiteral("-conf=/c.conf"),
               QStringLiteral("stop") };
    QTest::newRow("windows path keeps backslashes")
        << QStringLiteral(R"("C:\Program Files\x.exe" -datadir="D:\Data\")")
        << QStringList { QStringLiteral(R"(C:\Program Files\x.exe)"),
               QStringLiteral(R"(-datadir=D:\Data\)") };
    QTest::newRow("three quotes are one literal quote")
        << QStringLiteral(R"(say """hi""" now)")
        << QStringList { QStringLiteral("say"), QStringLiteral(R"("hi")"), QStringLiteral("now") };
    QTest::newRow("tabs and leading blanks separate")
        << QStringLiteral("  prog\t-a   -b ")
        << QStringList { QStringLiteral("prog"), QStringLiteral("-a"), QStringLiteral("-b") };
    QTest::newRow("shell characters are text")
        << QStringLiteral(R"("/bin/echo" ;touch /tmp/x)")
        << QStringList { QStringLiteral("/bin/echo"), QStringLiteral(";touch"), QStringLiteral("/tmp/x") };
    QTest::newRow("empty") << QString() << QStringList {};
    QTest::newRow("blanks only") << QStringLiteral("   ") << QStringList {};
    QTest::newRow("empty quotes give nothing") << QStringLiteral(R"("")") << QStringList {};
}

void TestLauncher::splitsBuilderLines()
{
    QFETCH(QString, line);
    QFETCH(QStringList, expected);

    const std::optional<QStringList> split = splitCommandLine(line);
    QVERIFY(split.has_value());
    QCOMPARE(*split, expected);
    QCOMPARE(*split, QProcess::splitCommand(line));
}

void TestLauncher::refusesOpenQuote_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("program quote never closed") << QStringLiteral(R"("/opt/x -conf=1)");
    QTest::newRow("argument quote never closed") << QStringLiteral(R"(prog -conf="/a b.conf)");
    QTest::newRow("lone quote") << QStringLiteral(R"(")");
    QTest::newRow("open after a literal quote") << QStringLiteral(R"(prog """ ")");
}

void TestLauncher::refusesOpenQuote()
{
    QFETCH(QString, line);
    QVERIFY(!splitCommandLine(line).has_value());
}

void TestLauncher::agreesWithQtOnEveryClosedLine()
{
    // Every line of up to six characters from the characters that matter.
    const QString alphabet = QStringLiteral("a \"\\\t");
    QStringList lines { QString() };
    for (int length = 1; length <= 6; ++length) {
        QStringList longer;
        for (const QString& line : std::as_const(lines))
            if (line.size() == length - 1)
                for (const QChar c : alphabet)
                    longer += line + c;
        lines += longer;
    }
    int closed = 0;
    for (const QString& line : std::as_const(lines)) {
        const std::optional<QStringList> split = splitCommandLine(line);
        if (!split)
            continue;
        ++closed;
        QVERIFY2(*split == QProcess::splitCommand(line), qPrintable(line));
    }
    QVERIFY(closed > lines.size() / 3);
}

void TestLauncher::reportsWhyNothingStarted_data()
{
    QVERIFY(m_dir.isValid());
    const QString plainFile = m_dir.filePath(QStringLiteral("not-a-program"));
    QFile file(plainFile);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.close();
    QVERIFY(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner));

    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("reasonPart");
    QTest::newRow("empty") << QString() << QStringLiteral("empty");
    QTest::newRow("blanks") << QStringLiteral("  ") << QStringLiteral("empty");
    QTest::newRow("open quote") << QStringLiteral(R"("/bin/echo hi)") << QStringLiteral("never closed");
    QTest::newRow("missing path") << QStringLiteral(R"("/nonexistent/qrl/prog" -x)")
                                  << QStringLiteral("No such file");
    QTest::newRow("missing on search path")
        << QStringLiteral("qrl-no-such-program-7a1 stop") << QStringLiteral("qrl-no-such-program-7a1");
    QTest::newRow("not executable") << QStringLiteral("\"%1\" -x").arg(plainFile)
                                    << QStringLiteral("Permission denied");
    QTest::newRow("a folder") << QStringLiteral("\"%1\"").arg(m_dir.path())
                              << QStringLiteral("Is a directory");
}

void TestLauncher::reportsWhyNothingStarted()
{
    QFETCH(QString, line);
    QFETCH(QString, reasonPart);

    PosixProcessLauncher launcher;
    const LaunchResult result = launcher.launch(line, WindowStyle::Hidden);
    QVERIFY(!result.started);
    QVERIFY2(result.error.contains(reasonPart), qPrintable(result.error));
}

void TestLauncher::passesArgumentsWithoutShell()
{
    QTemporaryDir out;
    QVERIFY(out.isValid());
    const QStringList names { QStringLiteral("a b"), QStringLiteral("c;d"), QStringLiteral("$(id)"),
        QStringLiteral("e|f"), QStringLiteral("g>h"), QStringLiteral("`id`"), QStringLiteral("*"),
        QStringLiteral("i&j") };
    QString line = QStringLiteral("\"/usr/bin/touch\"");
    for (const QString& name : names)
        line += QStringLiteral(" \"%1/%2\"").arg(out.path(), name);

    PosixProcessLauncher launcher;
    QVERIFY(launcher.launch(line, WindowStyle::Hidden).started);

    QDir folder(out.path());
    QTRY_COMPARE(folder.entryList(QDir::Files, QDir::Name).size(), names.size());
    QStringList sorted = names;
    sorted.sort();
    QCOMPARE(folder.entryList(QDir::Files, QDir::Name), sorted);
}

void TestLauncher::runsNothingButTheNamedProgram()
{
    QTemporaryDir out;
    QVERIFY(out.isValid());
    const QString forbidden = out.filePath(QStringLiteral("x"));
    const QString marker = out.filePath(QStringLiteral("marker"));

    PosixProcessLauncher launcher;
    QVERIFY(launcher.launch(QStringLiteral("\"/bin/echo\" ;touch %1").arg(forbidden), WindowStyle::Hidden)
                .started);
    // Started after the echo line: once it has run, a shell would have had its turn.
    QVERIFY(launcher.launch(QStringLiteral("/usr/bin/touch %1").arg(marker), WindowStyle::Hidden).started);
    QTRY_VERIFY(QFile::exists(marker));
    QVERIFY(!QFile::exists(forbidden));
}

void TestLauncher::startsInOwnSessionWithStyleStreams_data()
{
    QTest::addColumn<WindowStyle>("style");
    QTest::addColumn<bool>("nullStreams");
    QTest::newRow("hidden") << WindowStyle::Hidden << true;
    QTest::newRow("normal") << WindowStyle::Normal << false;
}

void TestLauncher::startsInOwnSessionWithStyleStreams()
{
    QFETCH(WindowStyle, style);
    QFETCH(bool, nullStreams);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString probe = dir.filePath(QStringLiteral("qrl-session-%1").arg(::getpid()));
    QVERIFY(QFile::copy(QStringLiteral("/bin/sleep"), probe));

    PosixProcessLauncher launcher;
    QVERIFY(launcher.launch(QStringLiteral("\"%1\" 30").arg(probe), style).started);
    pid_t pid = 0;
    QTRY_VERIFY((pid = findProcessByExecutable(probe)) != 0);
    const auto killProbe = qScopeGuard([pid] { ::kill(pid, SIGKILL); });

    QVERIFY(::getsid(pid) > 0);
    QVERIFY(::getsid(pid) != ::getsid(0));
    for (int fd = 0; fd <= 2; ++fd) {
        const QString target = streamTarget(pid, fd);
        if (nullStreams)
            QCOMPARE(target, QStringLiteral("/dev/null"));
        else
            QCOMPARE(target, streamTarget(::getpid(), fd));
    }
}

QTEST_GUILESS_MAIN(TestLauncher)
#include "test_launcher.moc"
