#include "fakes/fake_platform.h"
#include "node_control/QUORLIN_MAIN.h"
#include "platform/process_query_linux.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QColor kGreen(0, 255, 0);
const QColor kRed(255, 0, 0);

QColor background(const QLineEdit* box)
{
    return box->palette().color(QPalette::Base);
}

QStringList imageNames(const char* letters)
{
    QStringList names;
    for (const char* c = letters; *c; ++c)
        names.append(*c == 'q' ? u"litecoin-qt"_s
                : *c == 'd'    ? u"litecoind"_s
                : *c == 'c'    ? u"litecoin-cli"_s
                               : QString());
    return names;
}

} // namespace

class TestProcessWatcher : public QObject {
    Q_OBJECT

private slots:
    // One tick against a fake process list. Letters stand for the image names:
    // q litecoin-qt, d litecoind, c litecoin-cli, - none. looks: per box G
    // (green, running), R (red, stopped) or - (left as it was).
    void decidesFromNamesAndProcesses_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("running");
        QTest::addColumn<bool>("buttonsBefore");
        QTest::addColumn<QString>("looks");
        QTest::addColumn<bool>("cliEnabled");
        QTest::addColumn<bool>("startEnabled");
        QTest::addColumn<QStringList>("queries");
        QTest::addColumn<bool>("queryFails");
        const auto row = [](const char* name, const char* names, const char* running, bool before,
                             const char* looks, bool cli, bool start, const char* queries,
                             bool fails = false) {
            QTest::newRow(name) << imageNames(names) << imageNames(running) << before
                                << QString::fromLatin1(looks) << cli << start << imageNames(queries) << fails;
        };
        row("no names: nothing asked", "---", "qdc", false, "---", false, false, "");
        row("all stopped", "qdc", "", false, "RRR", true, true, "qdcqd");
        row("wallet runs", "qdc", "q", true, "GRR", true, false, "qdcqd");
        row("daemon runs", "qdc", "d", true, "RGR", true, false, "qdcqd");
        row("client runs", "qdc", "c", true, "RRG", false, true, "qdcqd");
        row("two daemons", "qdc", "dd", true, "RGR", true, false, "qdcqd");
        row("only wallet named, running: start buttons kept", "q--", "q", true, "G--", true, true, "q");
        row("only wallet named, stopped: locks kept", "q--", "", false, "R--", false, false, "q");
        row("only daemon named: empty wallet name not asked", "-d-", "d", true, "-G-", true, false, "dd");
        row("only client named", "--c", "c", false, "--G", false, false, "c");
        row("client not named", "qd-", "c", false, "RR-", false, true, "qdqd");
        row("failing query counts as stopped", "qdc", "dc", false, "RRR", true, true, "qdcqd", true);
    }

    void decidesFromNamesAndProcesses()
    {
        QFETCH(QStringList, names);
        QFETCH(QStringList, running);
        QFETCH(bool, buttonsBefore);
        QFETCH(QString, looks);

        TestContext t;
        for (const QString& name : running)
            t.fakes.processes.setRunning(name, t.fakes.processes.running.value(name) + 1);
        QFETCH(bool, queryFails);
        t.fakes.processes.failing = queryFails;
        QUORLIN_MAIN window(t.context);
        window.MULTI_PROCESS_WATCHER_TIMER.stop();
        window.QT_NAME_TEXTBOX = names.value(0);
        window.DAEMON_NAME_TEXTBOX = names.value(1);
        window.CLI_NAME_TEXTBOX = names.value(2);
        for (QPushButton* button :
            { window.QT_START_BUTTON, window.DAEMON_START_BUTTON, window.CLI_STOP_BUTTON })
            button->setEnabled(buttonsBefore);
        QLineEdit* const boxes[]
            = { window.PROCESS_TEXTBOX_1, window.PROCESS_TEXTBOX_2, window.PROCESS_TEXTBOX_3 };
        QList<std::pair<QColor, QString>> before;
        for (const QLineEdit* box : boxes)
            before.append({ background(box), box->toolTip() });

        window.MULTI_PROCESS_WATCHER_TIMER_Timer();

        QTEST(t.fakes.processes.queries, "queries");
        const char* const labels[] = { "QT", "DAEMON", "CLI" };
        for (int i = 0; i < 3; ++i) {
            if (looks[i] == u'-') {
                QCOMPARE(std::pair(background(boxes[i]), boxes[i]->toolTip()), before[i]);
                continue;
            }
            const bool green = looks[i] == u'G';
            QCOMPARE(background(boxes[i]), green ? kGreen : kRed);
            QCOMPARE(boxes[i]->toolTip(),
                u"%1 - %2 PROCESS %3"_s.arg(names[i], labels[i], green ? "RUNNING" : "STOPPED"));
        }
        QTEST(window.CLI_STOP_BUTTON->isEnabled(), "cliEnabled");
        QTEST(window.QT_START_BUTTON->isEnabled(), "startEnabled");
        QTEST(window.DAEMON_START_BUTTON->isEnabled(), "startEnabled");
    }

    void watchesRealProcess()
    {
        QTemporaryDir dir;
        const QString name = u"qrl-watch-%1"_s.arg(::getpid());
        QVERIFY(QFile::copy(u"/bin/sleep"_s, dir.filePath(name)));
        FakePlatform fakes;
        LinuxProcessQuery processes;
        AppContext context(
            { fakes.settings, fakes.launcher, processes, fakes.stacking, fakes.dialogs, fakes.executable });
        QUORLIN_MAIN window(context);
        window.MULTI_PROCESS_WATCHER_TIMER.stop();
        window.DAEMON_NAME_TEXTBOX = name.toUpper();
        const auto daemonShows = [&](const QColor& colour, bool startEnabled) {
            window.MULTI_PROCESS_WATCHER_TIMER_Timer();
            return background(window.PROCESS_TEXTBOX_2) == colour
                && window.QT_START_BUTTON->isEnabled() == startEnabled
                && window.DAEMON_START_BUTTON->isEnabled() == startEnabled;
        };
        QVERIFY(daemonShows(kRed, true));

        QProcess daemon;
        daemon.start(dir.filePath(name), { u"30"_s });
        QVERIFY(daemon.waitForStarted());
        QVERIFY(daemonShows(kGreen, false));
        QCOMPARE(window.PROCESS_TEXTBOX_2->toolTip(), name.toUpper() + u" - DAEMON PROCESS RUNNING"_s);

        daemon.kill();
        QVERIFY(daemon.waitForFinished());
        QVERIFY(daemonShows(kRed, true));
    }
};

QTEST_MAIN(TestProcessWatcher)
#include "test_process_watcher.moc"
