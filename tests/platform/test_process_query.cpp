#include "fakes/file_bytes.h"
#include "platform/process_query_linux.h"

#include <QtTest>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// One process folder of a made-up /proc: its exe link (none when empty) and, unless stat is empty (a process
// that ended during the look), its files.
bool makeProcess(const QString& dir, const QString& exe, const QByteArray& cmdline = {},
    const QByteArray& stat = "1 (x) S 1", const QByteArray& comm = {})
{
    return QDir().mkpath(dir) && (exe.isEmpty() || QFile::link(exe, dir + u"/exe"_s))
        && (stat.isEmpty()
            || (writeFile(dir + u"/cmdline"_s, cmdline) && writeFile(dir + u"/stat"_s, stat)
                && writeFile(dir + u"/comm"_s, comm)));
}

bool relink(const QString& exe, const QString& target)
{
    return QFile::remove(exe) && QFile::link(target, exe);
}

// The made-up clock: "uptime" in the made-up /proc, and the stat line of a process started `seconds` before.
constexpr int kUptime = 1000;

bool writeUptime(const QTemporaryDir& proc)
{
    return writeFile(proc.filePath(u"uptime"_s), QByteArray::number(kUptime) + ".00 1900.00\n");
}

QByteArray statOfAge(int seconds)
{
    const qint64 started = (kUptime - seconds) * ::sysconf(_SC_CLK_TCK);
    return "7 (sh) S 1 7 7 0 -1 4194304 90 0 0 0 0 0 0 0 20 0 1 0 " + QByteArray::number(started)
        + " 2490368";
}

// The last pid handed out, as /proc/loadavg gives it, and the self link that makes a made-up /proc ours.
bool writeLastPid(const QTemporaryDir& proc, const QByteArray& pid)
{
    return writeFile(proc.filePath(u"loadavg"_s), "0.00 0.00 0.00 1/90 " + pid + "\n")
        && (QFileInfo(proc.filePath(u"self"_s)).isSymLink()
            || QFile::link(QString::number(::getpid()), proc.filePath(u"self"_s)));
}

// A process of qrl-b, or a thread when `tgid` is another pid.
bool makeProbedProcess(const QTemporaryDir& proc, const QString& pid, const QByteArray& tgid)
{
    return makeProcess(proc.filePath(pid), u"/bin/qrl-b"_s)
        && writeFile(proc.filePath(pid + u"/status"_s), "Name:\tx\nTgid:\t" + tgid + "\n");
}

// How many looks it takes until a process of `name` counts; `most` + 1 when it never does.
int looksUntilSeen(LinuxProcessQuery& query, const QString& name, int most)
{
    int looks = 1;
    while (query.countProcesses({ name }) != QList { 1 } && looks <= most)
        ++looks;
    return looks;
}

} // namespace

class TestProcessQuery : public QObject {
    Q_OBJECT

private slots:
    // An image name is read from the exe link, then argv[0], then comm; entries that are no pids ("self",
    // "12a") never count, nor do zombies.
    void readsNamesFromProcEntries()
    {
        QTemporaryDir proc;
        const std::tuple<QString, QString, QByteArray, QByteArray, QByteArray> entries[] = {
            { "100", "/usr/bin/qrl-exe", "other\0", "100 (other) S 1", "other\n" },
            { "101", "/usr/bin/qrl-replaced (deleted)", {}, "101 (x) S 1", "" },
            { "102", "", QByteArray("/opt/bin/qrl-argv\0--flag\0", 25), "102 (short) S 1", "short\n" },
            { "103", "", {}, "103 (qrl-zombie) Z 1", "qrl-zombie\n" },
            { "104", "", {}, "104 (a) Z) S 1", "qrl-comm\n" }, // the state follows the last ')'
            { "105", "", QByteArray("qrl-argv\0", 9), "105 (qrl-argv) S 1", "" },
            { "106", "/usr/bin/QRL-EXE", {}, "106 (x) S 1", "" },
            { "107", "", {}, "", "" },
            { "108", "/usr/bin/qrl-äöü", {}, "108 (x) S 1", "" },
            { "self", "/usr/bin/qrl-exe", {}, "", "" },
            { "12a", "/usr/bin/qrl-exe", {}, "", "" },
        };
        for (const auto& [pid, exe, cmdline, stat, comm] : entries)
            QVERIFY(makeProcess(proc.filePath(pid), exe, cmdline, stat, comm));
        // Each name is asked twice, the second time after all the others.
        const QStringList names { u"qrl-argv"_s, u"qrl-exe"_s, u"qrl"_s, u"QRL-ÄÖÜ"_s, u"other"_s,
            u"qrl-replaced"_s, u"short"_s, u"qrl-zombie"_s, u"qrl-comm"_s };
        const QList<int> counts { 2, 2, 0, 1, 0, 1, 0, 0, 1 };
        QCOMPARE(
            LinuxProcessQuery(QFile::encodeName(proc.path())).countProcesses(names + names), counts + counts);
    }

    // A known process keeps its name from look to look; a new process in a reused pid and an asked-for one
    // that dies are seen.
    void keepsNamesWhileProcessesStay()
    {
        QTemporaryDir proc;
        QVERIFY(makeProcess(proc.filePath(u"7"_s), u"/bin/sh"_s)
            && makeProcess(proc.filePath(u"8"_s), u"/bin/qrl-old"_s));
        LinuxProcessQuery query(QFile::encodeName(proc.path()));
        const auto count = [&](const QStringList& names, int looks = 1) {
            std::optional<QList<int>> counts;
            for (int look = 0; look < looks; ++look)
                counts = query.countProcesses(names);
            return counts.value_or(QList { -1 });
        };
        QCOMPARE(count({ u"sh"_s }), QList { 1 });
        QVERIFY(makeProcess(proc.filePath(u"reused"_s), u"/bin/qrl-new"_s)
            && QDir(proc.path()).rename(u"7"_s, u"gone"_s) && QDir(proc.path()).rename(u"reused"_s, u"7"_s));
        QCOMPARE(count({ u"qrl-new"_s, u"qrl-old"_s }, 5), QList({ 1, 1 }));
        QVERIFY(QFile::remove(proc.filePath(u"7/exe"_s)) && QFile::remove(proc.filePath(u"7/stat"_s)));
        QCOMPARE(count({ u"qrl-new"_s }), QList { 0 });
    }

    // A wrapper that waits 2 s and then execs the node program is seen at the next look or the one after.
    void seesAnExecInTheFirstMinuteAtOnce()
    {
        QTemporaryDir proc;
        QVERIFY(writeUptime(proc) && makeProcess(proc.filePath(u"7"_s), u"/bin/sh"_s, {}, statOfAge(2)));
        LinuxProcessQuery query(QFile::encodeName(proc.path()));
        for (int look = 0; look < 8; ++look) // two seconds of looks
            QCOMPARE(query.countProcesses({ u"qrl-node"_s }), QList { 0 });
        QVERIFY(relink(proc.filePath(u"7/exe"_s), u"/bin/qrl-node"_s));
        QCOMPARE_LE(looksUntilSeen(query, u"qrl-node"_s, 2), 2);
    }

    // After a minute a process is not read at every look: its exec is seen in its turn, within 10 s of looks.
    void seesALaterExecWithinTenSeconds()
    {
        QTemporaryDir proc;
        QVERIFY(writeUptime(proc) && makeProcess(proc.filePath(u"8"_s), u"/bin/sh"_s, {}, statOfAge(120)));
        LinuxProcessQuery query(QFile::encodeName(proc.path()));
        QCOMPARE(query.countProcesses({ u"qrl-late"_s }), QList { 0 });
        QVERIFY(relink(proc.filePath(u"8/exe"_s), u"/bin/qrl-late"_s));
        QCOMPARE(query.countProcesses({ u"qrl-late"_s }), QList { 0 });
        QCOMPARE_LE(looksUntilSeen(query, u"qrl-late"_s, 40), 40);
    }

    // Where /proc is this program's own, only pids handed out since the last look are probed (threads passed
    // over), unless that look is over a second old; the panel's own process groups are left out when asked.
    void probesThePidsHandedOut()
    {
        QTemporaryDir proc;
        const QStringList names { u"qrl-a"_s, u"qrl-b"_s };
        QVERIFY(writeLastPid(proc, "7"));
        QVERIFY(makeProcess(proc.filePath(u"7"_s), u"/bin/qrl-a"_s));
        LinuxProcessQuery query(QFile::encodeName(proc.path()));
        QCOMPARE(query.countProcesses(names), QList({ 1, 0 }));
        QVERIFY(makeProbedProcess(proc, u"8"_s, "8") && makeProbedProcess(proc, u"9"_s, "8"));
        QCOMPARE(query.countProcesses(names), QList({ 1, 0 }));
        QVERIFY(writeLastPid(proc, "9"));
        QCOMPARE(query.countProcesses(names), QList({ 1, 1 }));
        QVERIFY(QDir(proc.filePath(u"9"_s)).removeRecursively() && makeProbedProcess(proc, u"10"_s, "10"));
        QTest::qSleep(1100);
        QCOMPARE(query.countProcesses(names), QList({ 1, 2 }));
        QVERIFY(writeFile(proc.filePath(u"10/stat"_s), "10 (x) S 1 99"));
        QCOMPARE(query.countProcesses(names, { 8, 99 }), QList({ 1, 0 }));
    }

    // The kernel hands out a pid a moment before the process shows in /proc: a pid whose folder is missing at
    // its probe is probed again at the next look.
    void probesAgainAPidNotShownYet()
    {
        QTemporaryDir proc;
        QVERIFY(writeLastPid(proc, "7") && makeProcess(proc.filePath(u"7"_s), u"/bin/qrl-a"_s));
        LinuxProcessQuery query(QFile::encodeName(proc.path()));
        QCOMPARE(query.countProcesses({ u"qrl-b"_s }), QList { 0 });
        QVERIFY(writeLastPid(proc, "8"));
        QCOMPARE(query.countProcesses({ u"qrl-b"_s }), QList { 0 });
        QVERIFY(makeProbedProcess(proc, u"8"_s, "8"));
        QCOMPARE(query.countProcesses({ u"qrl-b"_s }), QList { 1 });
    }

    // The real process list, and one that cannot be read.
    void countsRealProcessOrFails()
    {
        QTemporaryDir dir;
        const QString name = u"qrl-probe-%1"_s.arg(::getpid());
        QVERIFY(QFile::copy(u"/bin/sleep"_s, dir.filePath(name)));
        QProcess probe;
        probe.start(dir.filePath(name), { u"30"_s });
        QVERIFY2(probe.waitForStarted(), qPrintable(probe.errorString()));
        LinuxProcessQuery query;
        QCOMPARE(query.countProcesses({ name.toUpper() }), QList { 1 });
        probe.kill(), probe.waitForFinished();
        QCOMPARE(query.countProcesses({ name }), QList { 0 });
        QCOMPARE(LinuxProcessQuery(QFile::encodeName(dir.filePath(u"no-proc"_s))).countProcesses({ name }),
            std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestProcessQuery)
#include "test_process_query.moc"
