#include "platform/process_query_linux.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

using namespace Qt::StringLiterals;

class TestProcessQuery : public QObject {
    Q_OBJECT

private slots:
    // A made-up /proc: per entry its exe link (none when empty) and, unless the
    // stat text is empty (a process that ended during the scan), its files.
    void initTestCase()
    {
        const std::tuple<const char*, const char*, QByteArray, const char*, const char*> entries[] = {
            { "100", "/usr/bin/qrl-exe", "other\0", "100 (other) S 1", "other\n" },
            { "101", "/usr/bin/qrl-replaced (deleted)", {}, "101 (x) S 1", "" },
            { "102", "", QByteArray("/opt/bin/qrl-argv\0--flag\0", 25), "102 (short) S 1", "short\n" },
            { "103", "", {}, "103 (qrl-zombie) Z 1", "qrl-zombie\n" },
            { "104", "", {}, "104 (a) Z) S 1", "qrl-comm\n" },
            { "105", "", QByteArray("qrl-argv\0", 9), "105 (qrl-argv) S 1", "" },
            { "106", "/usr/bin/QRL-EXE", {}, "106 (x) S 1", "" },
            { "107", "", {}, "", "" },
            { "108", "/usr/bin/qrl-äöü", {}, "108 (x) S 1", "" },
            { "self", "/usr/bin/qrl-exe", {}, "", "" },
            { "12a", "/usr/bin/qrl-exe", {}, "", "" },
        };
        for (const auto& [pid, exe, cmdline, stat, comm] : entries) {
            const QString dir = m_fakeProc.filePath(QString::fromLatin1(pid)) + u'/';
            QVERIFY(QDir().mkdir(dir));
            if (*exe)
                QVERIFY(QFile::link(QString::fromUtf8(exe), dir + u"exe"_s));
            for (const auto& [name, content] : { std::pair("cmdline", cmdline), { "stat", QByteArray(stat) },
                     { "comm", QByteArray(comm) } }) {
                QFile file(dir + QLatin1String(name));
                QVERIFY(!*stat || (file.open(QIODevice::WriteOnly) && file.write(content) == content.size()));
            }
        }
    }

    // Entries that are no pids ("self", "12a") never count.
    void readsNamesFromProcEntries_data()
    {
        QTest::addColumn<QString>("asked");
        QTest::addColumn<int>("expected");
        QTest::newRow("exe link, any case") << u"qrl-exe"_s << 2;
        QTest::newRow("prefix is not the name") << u"qrl"_s << 0;
        QTest::newRow("non-ascii name, other case") << u"QRL-ÄÖÜ"_s << 1;
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

    // The real process list, and one that cannot be read.
    void countsRealProcessOrFails()
    {
        const QString name = u"qrl-probe-%1"_s.arg(::getpid());
        QTemporaryDir dir;
        QVERIFY(QFile::copy(u"/bin/sleep"_s, dir.filePath(name)));
        QProcess probe;
        probe.start(dir.filePath(name), { u"30"_s });
        QVERIFY2(probe.waitForStarted(), qPrintable(probe.errorString()));
        const auto stopProbe = qScopeGuard([&] { probe.kill(), probe.waitForFinished(); });
        QCOMPARE(LinuxProcessQuery().countProcesses(name.toUpper()), std::optional(1));
        QCOMPARE(LinuxProcessQuery(QFile::encodeName(dir.filePath(u"no-proc"_s))).countProcesses(name),
            std::nullopt);
    }

private:
    QTemporaryDir m_fakeProc;
};

QTEST_GUILESS_MAIN(TestProcessQuery)
#include "test_process_query.moc"
