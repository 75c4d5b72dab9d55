#include "platform/process_query_linux.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include <memory>
#include <vector>

namespace {

char processState(pid_t pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return '?';
    const QByteArray text = stat.readAll();
    const qsizetype close = text.lastIndexOf(')');
    return close >= 0 && close + 2 < text.size() ? text.at(close + 2) : '?';
}

// One entry of a made-up /proc: its files, and where its exe link points
// (no link when empty). An entry without a stat file has no files at all, as
// a process that ended during the scan.
struct FakeProcess {
    QString pid;
    QString exeTarget;
    QByteArray cmdline;
    QByteArray stat;
    QByteArray comm;
};

bool writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

} // namespace

class TestProcessQuery : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void countsRealProcessesByName_data();
    void countsRealProcessesByName();
    void zombieDoesNotCount();

    void readsNamesFromProcEntries_data();
    void readsNamesFromProcEntries();
    void unreadableProcessListFails();

private:
    // Copies /bin/sleep to `fileName` in the test's folder and starts it.
    void startProbe(const QString& fileName);

    QTemporaryDir m_dir;
    QTemporaryDir m_fakeProc;
    std::vector<std::unique_ptr<QProcess>> m_probes;
};

void TestProcessQuery::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(m_fakeProc.isValid());

    const QList<FakeProcess> entries {
        { QStringLiteral("100"), QStringLiteral("/usr/bin/qrl-exe"), "other\0", "100 (other) S 1",
            "other\n" },
        { QStringLiteral("101"), QStringLiteral("/usr/bin/qrl-replaced (deleted)"), {}, "101 (x) S 1", {} },
        { QStringLiteral("102"), {}, QByteArray("/opt/bin/qrl-argv\0--flag\0", 25), "102 (short) S 1",
            "short\n" },
        { QStringLiteral("103"), {}, {}, "103 (qrl-zombie) Z 1", "qrl-zombie\n" },
        { QStringLiteral("104"), {}, {}, "104 (a) Z) S 1", "qrl-comm\n" },
        { QStringLiteral("105"), {}, QByteArray("qrl-argv\0", 9), "105 (qrl-argv) S 1", {} },
        { QStringLiteral("106"), QStringLiteral("/usr/bin/QRL-EXE"), {}, "106 (x) S 1", {} },
        { QStringLiteral("107"), {}, {}, {}, {} },
        { QStringLiteral("self"), QStringLiteral("/usr/bin/qrl-exe"), {}, {}, {} },
        { QStringLiteral("12a"), QStringLiteral("/usr/bin/qrl-exe"), {}, {}, {} },
    };
    const QDir root(m_fakeProc.path());
    for (const FakeProcess& p : entries) {
        QVERIFY(root.mkdir(p.pid));
        const QString dir = root.filePath(p.pid) + QLatin1Char('/');
        if (!p.exeTarget.isEmpty())
            QVERIFY(QFile::link(p.exeTarget, dir + QStringLiteral("exe")));
        for (const auto& [file, content] :
            { std::pair { "cmdline", p.cmdline }, { "stat", p.stat }, { "comm", p.comm } })
            if (!p.stat.isEmpty())
                QVERIFY(writeFile(dir + QLatin1String(file), content));
    }
}

void TestProcessQuery::cleanup()
{
    for (const auto& probe : m_probes) {
        probe->kill();
        probe->waitForFinished();
    }
    m_probes.clear();
}

void TestProcessQuery::startProbe(const QString& fileName)
{
    const QString path = m_dir.filePath(fileName);
    if (!QFile::exists(path))
        QVERIFY(QFile::copy(QStringLiteral("/bin/sleep"), path));
    auto probe = std::make_unique<QProcess>();
    probe->start(path, { QStringLiteral("30") });
    QVERIFY2(probe->waitForStarted(), qPrintable(probe->errorString()));
    m_probes.push_back(std::move(probe));
}

void TestProcessQuery::countsRealProcessesByName_data()
{
    const QString probe = QStringLiteral("qrl-probe-%1").arg(::getpid());
    QTest::addColumn<QStringList>("started");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<int>("expected");

    QTest::newRow("one") << QStringList { probe } << probe << 1;
    QTest::newRow("two copies") << QStringList { probe, probe } << probe << 2;
    QTest::newRow("other letter case") << QStringList { probe } << probe.toUpper() << 1;
    QTest::newRow("runs nowhere") << QStringList { probe } << probe + QStringLiteral("-none") << 0;
    QTest::newRow("prefix is not the name") << QStringList { probe } << QStringLiteral("qrl-probe") << 0;
    QTest::newRow("single quote in name") << QStringList { QStringLiteral("qrl'probe-%1").arg(::getpid()) }
                                          << QStringLiteral("qrl'probe-%1").arg(::getpid()) << 1;
    QTest::newRow("non-ascii name, other case")
        << QStringList { QStringLiteral("qrl-äöü-%1").arg(::getpid()) }
        << QStringLiteral("QRL-ÄÖÜ-%1").arg(::getpid()) << 1;
}

void TestProcessQuery::countsRealProcessesByName()
{
    QFETCH(QStringList, started);
    QFETCH(QString, asked);
    QFETCH(int, expected);

    for (const QString& name : started)
        startProbe(name);
    LinuxProcessQuery query;
    QCOMPARE(query.countProcesses(asked), std::optional<int>(expected));
}

void TestProcessQuery::zombieDoesNotCount()
{
    const QString name = QStringLiteral("qrl-zombie-%1").arg(::getpid());
    const QByteArray path = QFile::encodeName(m_dir.filePath(name));
    QVERIFY(QFile::copy(QStringLiteral("/bin/sleep"), QString::fromLocal8Bit(path)));

    // Not reaped until waitpid below, so it stays a zombie in between.
    const pid_t child = ::fork();
    if (child == 0) {
        const char* argv[] = { path.constData(), "0", nullptr };
        ::execv(path.constData(), const_cast<char* const*>(argv));
        ::_exit(127);
    }
    QVERIFY(child > 0);
    const auto reap = qScopeGuard([child] { ::waitpid(child, nullptr, 0); });
    QTRY_COMPARE(processState(child), 'Z');

    LinuxProcessQuery query;
    QCOMPARE(query.countProcesses(name), std::optional<int>(0));
}

void TestProcessQuery::readsNamesFromProcEntries_data()
{
    QTest::addColumn<QString>("asked");
    QTest::addColumn<int>("expected");

    // The exe link names the process, whatever argv[0] and comm say, in any
    // letter case; entries that are not pids ("self", "12a") are no processes.
    QTest::newRow("exe link") << QStringLiteral("qrl-exe") << 2;
    QTest::newRow("exe link wins over argv0 and comm") << QStringLiteral("other") << 0;
    QTest::newRow("replaced executable") << QStringLiteral("qrl-replaced") << 1;
    QTest::newRow("argv0 when exe is unreadable") << QStringLiteral("qrl-argv") << 2;
    QTest::newRow("comm is not used while argv0 exists") << QStringLiteral("short") << 0;
    QTest::newRow("zombie") << QStringLiteral("qrl-zombie") << 0;
    QTest::newRow("comm last, state after the last parenthesis") << QStringLiteral("qrl-comm") << 1;
}

void TestProcessQuery::readsNamesFromProcEntries()
{
    QFETCH(QString, asked);
    QFETCH(int, expected);

    LinuxProcessQuery query(QFile::encodeName(m_fakeProc.path()));
    QCOMPARE(query.countProcesses(asked), std::optional<int>(expected));
}

void TestProcessQuery::unreadableProcessListFails()
{
    LinuxProcessQuery query(QFile::encodeName(m_dir.filePath(QStringLiteral("no-such-proc"))));
    QCOMPARE(query.countProcesses(QStringLiteral("sleep")), std::nullopt);
}

QTEST_GUILESS_MAIN(TestProcessQuery)
#include "test_process_query.moc"
