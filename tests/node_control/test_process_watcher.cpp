#include "fakes/fake_platform.h"
#include "node_control/QUORLIN_MAIN.h"
#include "platform/process_query_linux.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

// What a status box shows after a tick: the colour and tooltip of a check, or
// what it showed before (its designer look) when the tick left it alone.
enum class Look { Untouched, Green, Red };

const QColor kGreen(0, 255, 0);
const QColor kRed(255, 0, 0);

struct Box {
    QLineEdit* box;
    QString name;
    QString runningSuffix;
    QString stoppedSuffix;
};

QList<Box> statusBoxes(QUORLIN_MAIN& window)
{
    return {
        { window.PROCESS_TEXTBOX_1, window.QT_NAME_TEXTBOX, QStringLiteral(" - QT PROCESS RUNNING"),
            QStringLiteral(" - QT PROCESS STOPPED") },
        { window.PROCESS_TEXTBOX_2, window.DAEMON_NAME_TEXTBOX, QStringLiteral(" - DAEMON PROCESS RUNNING"),
            QStringLiteral(" - DAEMON PROCESS STOPPED") },
        { window.PROCESS_TEXTBOX_3, window.CLI_NAME_TEXTBOX, QStringLiteral(" - CLI PROCESS RUNNING"),
            QStringLiteral(" - CLI PROCESS STOPPED") },
    };
}

QColor background(const QLineEdit* box)
{
    return box->palette().color(QPalette::Base);
}

} // namespace

Q_DECLARE_METATYPE(Look)

class TestProcessWatcher : public QObject {
    Q_OBJECT

private slots:
    void decidesFromNamesAndProcesses_data();
    void decidesFromNamesAndProcesses();
    void failingQueryCountsAsStopped();
    void emptiedNameKeepsLastLook();
    void timerTicksByItself();
    void watchesRealProcess();
};

void TestProcessWatcher::decidesFromNamesAndProcesses_data()
{
    QTest::addColumn<QStringList>("names"); // Qt, daemon, CLI
    QTest::addColumn<QStringList>("running");
    QTest::addColumn<bool>("buttonsBefore");
    QTest::addColumn<QList<Look>>("looks");
    QTest::addColumn<bool>("cliEnabled");
    QTest::addColumn<bool>("startEnabled");
    QTest::addColumn<QStringList>("queries");

    const QString qt = QStringLiteral("litecoin-qt");
    const QString d = QStringLiteral("litecoind");
    const QString cli = QStringLiteral("litecoin-cli");
    const QStringList all { qt, d, cli };
    const QStringList allQueries { qt, d, cli, qt, d };
    using L = Look;

    QTest::newRow("no names: nothing asked, nothing changes")
        << QStringList { {}, {}, {} } << all << false << QList<L> { L::Untouched, L::Untouched, L::Untouched }
        << false << false << QStringList {};
    QTest::newRow("all stopped") << all << QStringList {} << false << QList<L> { L::Red, L::Red, L::Red }
                                 << true << true << allQueries;
    QTest::newRow("wallet runs") << all << QStringList { qt } << true << QList<L> { L::Green, L::Red, L::Red }
                                 << true << false << allQueries;
    QTest::newRow("daemon runs") << all << QStringList { d } << true << QList<L> { L::Red, L::Green, L::Red }
                                 << true << false << allQueries;
    QTest::newRow("wallet and daemon run")
        << all << QStringList { qt, d } << true << QList<L> { L::Green, L::Green, L::Red } << true << false
        << allQueries;
    QTest::newRow("client runs") << all << QStringList { cli } << true
                                 << QList<L> { L::Red, L::Red, L::Green } << false << true << allQueries;
    QTest::newRow("two daemons count as running")
        << all << QStringList { d, d } << true << QList<L> { L::Red, L::Green, L::Red } << true << false
        << allQueries;
    QTest::newRow("only wallet named, running: start buttons keep their state")
        << QStringList { qt, {}, {} } << QStringList { qt } << true
        << QList<L> { L::Green, L::Untouched, L::Untouched } << true << true << QStringList { qt };
    QTest::newRow("only wallet named, stopped: locked buttons stay locked")
        << QStringList { qt, {}, {} } << QStringList {} << false
        << QList<L> { L::Red, L::Untouched, L::Untouched } << false << false << QStringList { qt };
    QTest::newRow("only daemon named: an empty wallet name is not asked")
        << QStringList { {}, d, {} } << QStringList { d } << true
        << QList<L> { L::Untouched, L::Green, L::Untouched } << true << false << QStringList { d, d };
    QTest::newRow("only client named: start buttons keep their state")
        << QStringList { {}, {}, cli } << QStringList { cli } << false
        << QList<L> { L::Untouched, L::Untouched, L::Green } << false << false << QStringList { cli };
    QTest::newRow("wallet and daemon named, client not")
        << QStringList { qt, d, {} } << QStringList { cli } << false
        << QList<L> { L::Red, L::Red, L::Untouched } << false << true << QStringList { qt, d, qt, d };
}

void TestProcessWatcher::decidesFromNamesAndProcesses()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, running);
    QFETCH(bool, buttonsBefore);
    QFETCH(QList<Look>, looks);
    QFETCH(bool, cliEnabled);
    QFETCH(bool, startEnabled);
    QFETCH(QStringList, queries);

    TestContext t;
    for (const QString& name : running)
        t.fakes.processes.setRunning(name, t.fakes.processes.running.value(name) + 1);
    QUORLIN_MAIN window(t.context);
    window.MULTI_PROCESS_WATCHER_TIMER.stop();
    window.QT_NAME_TEXTBOX = names[0];
    window.DAEMON_NAME_TEXTBOX = names[1];
    window.CLI_NAME_TEXTBOX = names[2];
    for (QPushButton* button : { window.QT_START_BUTTON, window.DAEMON_START_BUTTON, window.CLI_STOP_BUTTON })
        button->setEnabled(buttonsBefore);
    const QList<Box> boxes = statusBoxes(window);
    QList<QColor> colourBefore;
    QStringList toolTipBefore;
    for (const Box& b : boxes) {
        colourBefore += background(b.box);
        toolTipBefore += b.box->toolTip();
    }

    window.MULTI_PROCESS_WATCHER_TIMER_Timer();

    QCOMPARE(t.fakes.processes.queries, queries);
    for (int i = 0; i < boxes.size(); ++i) {
        const Box& b = boxes[i];
        switch (looks[i]) {
        case Look::Untouched:
            QCOMPARE(background(b.box), colourBefore[i]);
            QCOMPARE(b.box->toolTip(), toolTipBefore[i]);
            break;
        case Look::Green:
            QCOMPARE(background(b.box), kGreen);
            QCOMPARE(b.box->toolTip(), b.name + b.runningSuffix);
            break;
        case Look::Red:
            QCOMPARE(background(b.box), kRed);
            QCOMPARE(b.box->toolTip(), b.name + b.stoppedSuffix);
            break;
        }
    }
    QCOMPARE(window.CLI_STOP_BUTTON->isEnabled(), cliEnabled);
    QCOMPARE(window.QT_START_BUTTON->isEnabled(), startEnabled);
    QCOMPARE(window.DAEMON_START_BUTTON->isEnabled(), startEnabled);
    QCOMPARE(window.windowTitle(), QStringLiteral("QUORLIN - "));
}

void TestProcessWatcher::failingQueryCountsAsStopped()
{
    TestContext t;
    QUORLIN_MAIN window(t.context);
    window.MULTI_PROCESS_WATCHER_TIMER.stop();
    window.QT_NAME_TEXTBOX = QStringLiteral("bitcoin-qt.exe");
    window.DAEMON_NAME_TEXTBOX = QStringLiteral("bitcoind.exe");
    window.CLI_NAME_TEXTBOX = QStringLiteral("bitcoin'cli.exe");
    t.fakes.processes.setRunning(QStringLiteral("bitcoind.exe"), 1);
    t.fakes.processes.setRunning(QStringLiteral("bitcoin'cli.exe"), 1);
    t.fakes.processes.failing = true;

    window.MULTI_PROCESS_WATCHER_TIMER_Timer();
    for (const Box& b : statusBoxes(window))
        QCOMPARE(background(b.box), kRed);
    QCOMPARE(window.PROCESS_TEXTBOX_2->toolTip(), QStringLiteral("bitcoind.exe - DAEMON PROCESS STOPPED"));
    QVERIFY(window.QT_START_BUTTON->isEnabled());
    QVERIFY(window.CLI_STOP_BUTTON->isEnabled());

    t.fakes.processes.failing = false;
    window.MULTI_PROCESS_WATCHER_TIMER_Timer();
    QCOMPARE(background(window.PROCESS_TEXTBOX_2), kGreen);
    QCOMPARE(window.PROCESS_TEXTBOX_3->toolTip(), QStringLiteral("bitcoin'cli.exe - CLI PROCESS RUNNING"));
    QVERIFY(!window.QT_START_BUTTON->isEnabled());
    QVERIFY(!window.CLI_STOP_BUTTON->isEnabled());
}

void TestProcessWatcher::emptiedNameKeepsLastLook()
{
    TestContext t;
    t.fakes.processes.setRunning(QStringLiteral("litecoin-qt"), 1);
    QUORLIN_MAIN window(t.context);
    window.MULTI_PROCESS_WATCHER_TIMER.stop();
    window.QT_NAME_TEXTBOX = QStringLiteral("litecoin-qt");
    window.MULTI_PROCESS_WATCHER_TIMER_Timer();

    window.QT_NAME_TEXTBOX.clear();
    t.fakes.processes.running.clear();
    window.MULTI_PROCESS_WATCHER_TIMER_Timer();
    QCOMPARE(background(window.PROCESS_TEXTBOX_1), kGreen);
    QCOMPARE(window.PROCESS_TEXTBOX_1->toolTip(), QStringLiteral("litecoin-qt - QT PROCESS RUNNING"));
}

void TestProcessWatcher::timerTicksByItself()
{
    TestContext t;
    t.fakes.store(QStringLiteral("DAEMON_NAME_TEXTBOX"), QStringLiteral("litecoind"));
    t.fakes.processes.setRunning(QStringLiteral("litecoind"), 1);
    QUORLIN_MAIN window(t.context);
    QCOMPARE(t.fakes.processes.queries, QStringList {});
    QTRY_COMPARE(background(window.PROCESS_TEXTBOX_2), kGreen);
    QVERIFY(!window.DAEMON_START_BUTTON->isEnabled());
}

void TestProcessWatcher::watchesRealProcess()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString name = QStringLiteral("qrl-watch-%1").arg(::getpid());
    QVERIFY(QFile::copy(QStringLiteral("/bin/sleep"), dir.filePath(name)));

    FakePlatform fakes;
    LinuxProcessQuery processes;
    AppContext context(
        { fakes.settings, fakes.launcher, processes, fakes.stacking, fakes.dialogs, fakes.executable });
    QUORLIN_MAIN window(context);
    window.MULTI_PROCESS_WATCHER_TIMER.stop();
    window.DAEMON_NAME_TEXTBOX = name.toUpper();

    window.MULTI_PROCESS_WATCHER_TIMER_Timer();
    QCOMPARE(background(window.PROCESS_TEXTBOX_2), kRed);
    QVERIFY(window.DAEMON_START_BUTTON->isEnabled());

    QProcess daemon;
    daemon.start(dir.filePath(name), { QStringLiteral("30") });
    QVERIFY(daemon.waitForStarted());
    window.MULTI_PROCESS_WATCHER_TIMER_Timer();
    QCOMPARE(background(window.PROCESS_TEXTBOX_2), kGreen);
    QCOMPARE(
        window.PROCESS_TEXTBOX_2->toolTip(), name.toUpper() + QStringLiteral(" - DAEMON PROCESS RUNNING"));
    QVERIFY(!window.QT_START_BUTTON->isEnabled());
    QVERIFY(!window.DAEMON_START_BUTTON->isEnabled());

    daemon.kill();
    QVERIFY(daemon.waitForFinished());
    window.MULTI_PROCESS_WATCHER_TIMER_Timer();
    QCOMPARE(background(window.PROCESS_TEXTBOX_2), kRed);
    QVERIFY(window.QT_START_BUTTON->isEnabled());
    QVERIFY(window.DAEMON_START_BUTTON->isEnabled());
}

QTEST_MAIN(TestProcessWatcher)
#include "test_process_watcher.moc"
