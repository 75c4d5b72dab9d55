#include "platform/process_query_linux.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

class TestProcessQuery : public QObject {
    Q_OBJECT

private slots:
    // A made-up /proc: per entry its exe link (none when empty) and, unless the
    // stat text is empty (a process that ended during the scan), its files.
    void initTestCase()
    {
        const struct {
            const char* pid;
            const char* exe;
            QByteArray cmdline;
            const char* stat;
            const char* comm;
        } entries[] = {
            { "100", "/usr/bin/qrl-exe", "other\0", "100 (other) S 1", "other\n" },
            { "101", "/usr/bin/qrl-replaced (deleted)", {}, "101 (x) S 1", "" },
            { "102", "", QByteArray("/opt/bin/qrl-argv\0--flag\0", 25), "102 (short) S 1", "short\n" },
            { "103", "", {}, "103 (qrl-zombie) Z 1", "qrl-zombie\n" },
            { "104", "", {}, "104 (a) Z) S 1", "qrl-comm\n" },
            { "105", "", QByteArray("qrl-argv\0", 9), "105 (qrl-argv) S 1", "" },
            { "106", "/usr/bin/QRL-EXE", {}, "106 (x) S 1", "" },
            { "107", "", {}, "", "" },
            { "self", "/usr/bin/qrl-exe", {}, "", "" },
            { "12a", "/usr/bin/qrl-exe", {}, "", "" },
        };
        QVERIFY(m_fakeProc.isValid());
        for (const auto& e : entries) {
            const QString dir = m_fakeProc.filePath(QString::fromLatin1(e.pid)) + u'/';
            QVERIFY(QDir().mkdir(dir));
            if (*e.exe)
                QVERIFY(QFile::link(QString::fromUtf8(e.exe), dir + u"exe"_s));
            const std::pair<const char*, QByteArray> files[]
                = { { "cmdline", e.cmdline }, { "stat", e.stat }, { "comm", e.comm } };
            for (const auto& [name, content] : files) {
                QFile file(dir + QLatin1String(name));
                QVERIFY(
                    !*e.stat || (file.open(QIODevice::WriteOnly) && file.write(content) == content.size()));
            }
        }
    }

    // The exe link names the process, whatever argv[0] and comm say; argv[0]
    // when the link cannot be read, comm last; zombies and entries that are no
    // pids ("self", "12a") do not count.
    void readsNamesFromProcEntries_data()
    {
        QTest::addColumn<QString>("asked");
        QTest::addColumn<int>("expected");
        QTest::newRow("exe link, any case") << u"qrl-exe"_s << 2;
        QTest::newRow("exe link wins over argv0 and comm") << u"other"_s << 0;
        QTest::newRow("replaced executable") << u"qrl-replaced"_s << 1;
        QTest::newRow("argv0 when exe is unreadable") << u"qrl-argv"_s << 2;
        QTest::newRow("comm is not used while argv0 exists") << u"short"_s << 0;
        QTest::newRow("zombie") << u"qrl-zombie"_s << 0;
        QTest::newRow("comm last, state after the last parenthesis") << u"qrl-comm"_s << 1;
    }

    void readsNamesFromProcEntries()
    {
        QFETCH(QString, asked);
        QFETCH(int, expected);
        QCOMPARE(LinuxProcessQuery(QFile::encodeName(m_fakeProc.path())).countProcesses(asked),
            std::optional(expected));
    }

    void unreadableProcessListFails()
    {
        LinuxProcessQuery query(QFile::encodeName(m_fakeProc.filePath(u"no-such-proc"_s)));
        QCOMPARE(query.countProcesses(u"sleep"_s), std::nullopt);
    }

    void countsRealProcessesByName_data()
    {
        const QString probe = u"qrl-probe-%1"_s.arg(::getpid());
        const QString quoted = u"qrl'probe-%1"_s.arg(::getpid());
        const QString accented = u"qrl-äöü-%1"_s.arg(::getpid());
        QTest::addColumn<QStringList>("started");
        QTest::addColumn<QString>("asked");
        QTest::addColumn<int>("expected");
        QTest::newRow("two copies") << QStringList { probe, probe } << probe << 2;
        QTest::newRow("other letter case") << QStringList { probe } << probe.toUpper() << 1;
        QTest::newRow("prefix is not the name") << QStringList { probe } << u"qrl-probe"_s << 0;
        QTest::newRow("single quote in name") << QStringList { quoted } << quoted << 1;
        QTest::newRow("non-ascii name, other case") << QStringList { accented } << accented.toUpper() << 1;
    }

    void countsRealProcessesByName()
    {
        QFETCH(QStringList, started);
        QFETCH(QString, asked);
        QFETCH(int, expected);
        QTemporaryDir dir;
        std::vector<std::unique_ptr<QProcess>> probes;
        const auto stopProbes = qScopeGuard([&] {
            for (const auto& probe : probes)
                probe->kill(), probe->waitForFinished();
        });
        for (const QString& name : started) {
            QFile::copy(u"/bin/sleep"_s, dir.filePath(name));
            probes.push_back(std::make_unique<QProcess>());
            probes.back()->start(dir.filePath(name), { u"30"_s });
            QVERIFY2(probes.back()->waitForStarted(), qPrintable(probes.back()->errorString()));
        }
        QCOMPARE(LinuxProcessQuery().countProcesses(asked), std::optional(expected));
    }

private:
    QTemporaryDir m_fakeProc;
};

QTEST_GUILESS_MAIN(TestProcessQuery)
#include "test_process_query.moc"
