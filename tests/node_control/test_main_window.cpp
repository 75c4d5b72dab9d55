#include "fakes/fake_platform.h"
#include "fakes/find_control.h"
#include "node_control/QUORLIN_MAIN.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// A live node setup as the crypto settings save leaves it.
const std::pair<QString, QString> kNodeSetup[] = {
    { u"CRYPTO_NAME_TEXTBOX"_s, u"Litecoin"_s },
    { u"QT_NAME_TEXTBOX"_s, u"litecoin-qt"_s },
    { u"CLI_NAME_TEXTBOX"_s, u"litecoin-cli"_s },
    { u"DAEMON_NAME_TEXTBOX"_s, u"litecoind"_s },
    { u"KD_QT_COMMAND_TEXTBOX"_s, u"\"/opt/ltc/litecoin-qt\" -conf=\"/c.conf\" "_s },
    { u"KD_D_COMMAND_TEXTBOX"_s, u"\"/opt/ltc/litecoind\" -conf=\"/c.conf\" "_s },
    { u"KDCLI_STOP_COMMAND_TEXTBOX"_s, u"\"/opt/ltc/litecoin-cli\" -conf=\"/c.conf\"  stop"_s },
};

struct Seeded : TestContext {
    Seeded()
    {
        for (const auto& [key, value] : kNodeSetup)
            fakes.store(key, value);
    }
};

struct Shown {
    Seeded t;
    QUORLIN_MAIN window { t.context };
    const bool active = (window.show(), window.activateWindow(), QTest::qWaitForWindowActive(&window));
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void loadsStoreOrDefaults()
    {
        const auto hiddenFields = [](const QUORLIN_MAIN& w) -> QStringList {
            return { ctl<QLineEdit>(w, "CRYPTO_NAME_TEXTBOX")->text(), w.QT_NAME_TEXTBOX(),
                w.CLI_NAME_TEXTBOX(), w.DAEMON_NAME_TEXTBOX(), w.KD_QT_COMMAND_TEXTBOX(),
                w.KD_D_COMMAND_TEXTBOX(), w.KDCLI_STOP_COMMAND_TEXTBOX() };
        };
        Shown s;
        QStringList keys { u"MAIN_Left"_s, u"MAIN_Top"_s, u"MAIN_Width"_s, u"MAIN_Height"_s }, values;
        for (const auto& [key, value] : kNodeSetup)
            keys += key, values += value;
        QCOMPARE(s.t.fakes.settings.readKeys, keys + QStringList { u"AlwaysOnTop_TICKBOX"_s });
        QCOMPARE(hiddenFields(s.window), values);
        QCOMPARE(s.window.windowTitle(), u"QUORLIN - Litecoin"_s);
        QCOMPARE(s.window.AlwaysOnTop_TICKBOX(), 1);
        QCOMPARE(s.window.AlwaysOnTopTimer.interval(), 1000);
        QCOMPARE(s.window.MULTI_PROCESS_WATCHER_TIMER.interval(), 250);
        s.t.fakes.processes.setRunning(u"litecoind"_s, 1);
        s.window.AlwaysOnTopTimer.setInterval(1);
        QTRY_VERIFY(
            s.t.fakes.stacking.steps >= 2 && !ctl<QPushButton>(s.window, "DAEMON_START_BUTTON")->isEnabled());

        TestContext off;
        off.fakes.store(u"AlwaysOnTop_TICKBOX"_s, u"0"_s);
        QUORLIN_MAIN unticked(off.context);
        QCOMPARE(hiddenFields(unticked), QStringList(7));
        QCOMPARE(unticked.AlwaysOnTop_TICKBOX(), 0);
        QVERIFY(!unticked.AlwaysOnTopTimer.isActive() && unticked.MULTI_PROCESS_WATCHER_TIMER.isActive());
        QVERIFY(s.t.fakes.settings.writtenKeys.isEmpty() && off.fakes.settings.writtenKeys.isEmpty());
    }

    // A tick takes one look and paints its decision; the box without a name
    // and CLI "STOP" keep what they showed.
    void tickPaintsOneLook()
    {
        Seeded t;
        t.fakes.store(u"CLI_NAME_TEXTBOX"_s, QString());
        t.fakes.processes.setRunning(u"LITECOIND"_s, 1);
        QUORLIN_MAIN w(t.context);
        w.MULTI_PROCESS_WATCHER_TIMER.stop();
        ctl<QPushButton>(w, "CLI_STOP_BUTTON")->setEnabled(false);
        const auto look = [](const QLineEdit* box) {
            return std::pair(box->palette().color(QPalette::Base), box->toolTip());
        };
        const auto cliBefore = look(ctl<QLineEdit>(w, "PROCESS_TEXTBOX_3"));

        QMetaObject::invokeMethod(&w, "MULTI_PROCESS_WATCHER_TIMER_Timer");

        QCOMPARE(t.fakes.processes.looks, QList<QStringList>({ { u"litecoin-qt"_s, u"litecoind"_s } }));
        QCOMPARE(look(ctl<QLineEdit>(w, "PROCESS_TEXTBOX_1")),
            std::pair(QColor(255, 0, 0), u"litecoin-qt - QT PROCESS STOPPED"_s));
        QCOMPARE(look(ctl<QLineEdit>(w, "PROCESS_TEXTBOX_2")),
            std::pair(QColor(0, 255, 0), u"litecoind - DAEMON PROCESS RUNNING"_s));
        QCOMPARE(look(ctl<QLineEdit>(w, "PROCESS_TEXTBOX_3")), cliBefore);
        QVERIFY(!ctl<QPushButton>(w, "CLI_STOP_BUTTON")->isEnabled()
            && !ctl<QPushButton>(w, "QT_START_BUTTON")->isEnabled()
            && !ctl<QPushButton>(w, "DAEMON_START_BUTTON")->isEnabled());
    }

    // Exit (run with the tick on, the others with it off) saves, then the
    // unload saves the same values once more; never a width or height. Escape
    // closes nothing.
    void closingStoresPositionAndChoice_data()
    {
        const auto saved = [](const char* tick) {
            return QStringList { u"MAIN_Left=2100"_s, u"MAIN_Top=1350"_s, u"AlwaysOnTop_TICKBOX="_s + tick };
        };
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("written");
        QTest::newRow("exit button") << 0 << saved("1") + saved("1");
        QTest::newRow("enter key") << int(Qt::Key_Return) << saved("0") + saved("0");
        QTest::newRow("close box") << -1 << saved("0");
        QTest::newRow("escape") << int(Qt::Key_Escape) << QStringList {};
    }

    void closingStoresPositionAndChoice()
    {
        QFETCH(int, key);
        QFETCH(QStringList, written);
        Shown s;
        QVERIFY(s.active);
        s.window.move(140, 90);
        s.window.resize(400, 200);
        s.t.context.node.setAlwaysOnTop(key == 0 ? 1 : 0);
        s.t.fakes.settings.writtenValues.clear();
        if (key == 0)
            QTest::mouseClick(ctl<QPushButton>(s.window, "EXIT_BUTTON"), Qt::LeftButton);
        else if (key < 0)
            QVERIFY(s.window.close());
        else
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));

        QCOMPARE(s.t.fakes.settings.writtenValues, written);
        QCOMPARE(s.window.isVisible(), written.isEmpty());
        QCOMPARE(s.window.MULTI_PROCESS_WATCHER_TIMER.isActive(), written.isEmpty());
    }

    void launchButtonsHandOverTheirLine_data()
    {
        QTest::addColumn<QString>("lineKey");
        QTest::addColumn<WindowStyle>("style");
        QTest::addColumn<QString>("log");
        QTest::newRow("QT_START_BUTTON")
            << u"KD_QT_COMMAND_TEXTBOX"_s << WindowStyle::Normal << u"/logs/KD-QUORLIN-qt.log"_s;
        QTest::newRow("DAEMON_START_BUTTON")
            << u"KD_D_COMMAND_TEXTBOX"_s << WindowStyle::Hidden << u"/logs/KD-QUORLIN-daemon.log"_s;
    }

    // Each start button hands its line, window style and output log over; a
    // failing launch shows the line and the reason, and the window lives on.
    void launchButtonsHandOverTheirLine()
    {
        QFETCH(QString, lineKey);
        QFETCH(WindowStyle, style);
        QFETCH(QString, log);
        Shown s;
        QVERIFY(s.active);
        QPushButton* const launch = s.window.findChild<QPushButton*>(QTest::currentDataTag());
        QTest::mouseClick(launch, Qt::LeftButton);
        const QString stored = s.t.fakes.stored(lineKey);
        // A line another window changes in the node settings is used at once.
        const QString changed = u"\"/opt/new/prog\"  -x "_s;
        for (NodeText line : { NodeText::QtCommand, NodeText::DaemonCommand, NodeText::StopCommand })
            s.t.context.node.setText(line, changed);
        s.t.fakes.settings.writtenKeys.clear();
        QTest::mouseClick(launch, Qt::LeftButton);

        const QList<FakeProcessLauncher::Call>& calls = s.t.fakes.launcher.calls;
        QCOMPARE(calls.size(), 2);
        QCOMPARE(
            QStringList({ calls[0].commandLine, calls[1].commandLine }), QStringList({ stored, changed }));
        QVERIFY(calls[0].style == style && calls[1].style == style);
        QVERIFY(calls[0].outputLog == log && calls[1].outputLog == log);
        QVERIFY(s.t.fakes.dialogs.errors.isEmpty() && s.t.fakes.settings.writtenKeys.isEmpty());

        s.t.fakes.launcher.nextResult = { false, u"No such file"_s, {} };
        QTest::mouseClick(launch, Qt::LeftButton);
        const QString shown
            = u"QUORLIN - Litecoin\nCould not start this command line:\n\n%1\n\nNo such file"_s;
        QCOMPARE(s.t.fakes.dialogs.errors, QStringList { shown.arg(changed) });
        QVERIFY(s.window.isVisible() && s.window.MULTI_PROCESS_WATCHER_TIMER.isActive());
    }

    // The stop line runs in the background: a failure shows the client's own
    // words once, a success nothing; a line that cannot start says why.
    void stopButtonToldOnlyOfFailure()
    {
        Shown s;
        const QString stopLine = s.t.fakes.stored(u"KDCLI_STOP_COMMAND_TEXTBOX"_s);
        const QString title = u"QUORLIN - Litecoin\n"_s;
        const ClientAnswer answers[] = {
            { ClientAnswer::Outcome::Finished, 0, u"Litecoin server stopping\n"_s, {} },
            { ClientAnswer::Outcome::Finished, 1, {},
                u"error: Authorization failed: Incorrect rpcuser or rpcpassword\n"_s },
            { ClientAnswer::Outcome::NotStarted, -1, {}, u"/opt/ltc/litecoin-cli: No such file"_s },
        };
        for (const ClientAnswer& answer : answers) {
            QTest::mouseClick(ctl<QPushButton>(s.window, "CLI_STOP_BUTTON"), Qt::LeftButton);
            QCOMPARE(s.t.fakes.clients.runs.size(), 1);
            QCOMPARE(s.t.fakes.clients.runs.first().timeoutMs, 0);
            QVERIFY(s.t.fakes.clients.answer(answer));
        }
        QCOMPARE(s.t.fakes.clients.commandLines, QStringList(3, stopLine));
        QCOMPARE(s.t.fakes.dialogs.errors,
            QStringList({ title + u"error: Authorization failed: Incorrect rpcuser or rpcpassword"_s,
                title
                    + u"Could not start this command line:\n\n%1\n\n/opt/ltc/litecoin-cli: No such file"_s
                          .arg(stopLine) }));
        QVERIFY(s.t.fakes.launcher.calls.isEmpty());
    }

    // A daemon gone within 15 s is told once with its output log; one the
    // user stopped with CLI is not. A log that could not be written is told
    // once, at the start.
    void shortLivedDaemonIsTold()
    {
        const QString linked = u"It is a symbolic link, which this program does not follow."_s;
        for (const auto& [stoppedByUser, logProblem] :
            { std::pair(false, QString()), std::pair(true, QString()), std::pair(false, linked) }) {
            Shown s;
            s.t.fakes.processes.setRunning(u"litecoind"_s, 1);
            s.t.fakes.launcher.nextResult = { true, {}, logProblem };
            QTest::mouseClick(ctl<QPushButton>(s.window, "DAEMON_START_BUTTON"), Qt::LeftButton);
            if (stoppedByUser)
                QTest::mouseClick(ctl<QPushButton>(s.window, "CLI_STOP_BUTTON"), Qt::LeftButton);
            QTRY_VERIFY(!ctl<QPushButton>(s.window, "DAEMON_START_BUTTON")->isEnabled());
            s.t.fakes.processes.setRunning(u"litecoind"_s, 0);
            QTRY_VERIFY(ctl<QPushButton>(s.window, "DAEMON_START_BUTTON")->isEnabled());
            const QStringList& errors = s.t.fakes.dialogs.errors;
            if (stoppedByUser)
                QTest::qWait(600);
            QTRY_COMPARE(errors.size(), stoppedByUser ? 0 : logProblem.isEmpty() ? 1 : 2);
            QVERIFY(stoppedByUser
                || (errors.last().startsWith(u"QUORLIN - Litecoin\nlitecoind stopped "_s)
                    && errors.last().endsWith(logProblem.isEmpty()
                            ? u"It wrote no output to /logs/KD-QUORLIN-daemon.log."_s
                            : u"Its output was not kept."_s)));
            QVERIFY(logProblem.isEmpty()
                || errors.first()
                    == u"QUORLIN - Litecoin\nThis command line was started, but its output is not kept in "
                       u"/logs/KD-QUORLIN-daemon.log:\n\n%1\n\n%2"_s.arg(
                           s.t.fakes.stored(u"KD_D_COMMAND_TEXTBOX"_s), linked));
        }
    }

    // The node status window's own client runs are not the user's: they leave
    // the CLI box red and CLI STOP enabled; the stop command the user started counts.
    void ownStatusQueriesDoNotCount()
    {
        Shown s;
        QTest::mouseDClick(ctl<QLineEdit>(s.window, "PROCESS_TEXTBOX_3"), Qt::LeftButton);
        FakeClientRunner& clients = s.t.fakes.clients;
        QCOMPARE(clients.runs.size(), 1);
        s.t.fakes.processes.processIds.insert(clients.runs.first().pid, u"litecoin-cli"_s);
        QTest::qWait(600); // two watcher ticks
        QVERIFY(ctl<QPushButton>(s.window, "CLI_STOP_BUTTON")->isEnabled());
        QVERIFY(ctl<QLineEdit>(s.window, "PROCESS_TEXTBOX_3")->toolTip().endsWith(u"STOPPED"_s));
        // Nor does the daemon the conf check asks for its options.
        s.t.fakes.programs.pids = { 4242 };
        s.t.fakes.processes.processIds.insert(4242, u"litecoind"_s);
        QTest::qWait(600);
        QVERIFY(ctl<QPushButton>(s.window, "DAEMON_START_BUTTON")->isEnabled());
        QVERIFY(ctl<QLineEdit>(s.window, "PROCESS_TEXTBOX_2")->toolTip().endsWith(u"STOPPED"_s));

        QTest::mouseClick(ctl<QPushButton>(s.window, "CLI_STOP_BUTTON"), Qt::LeftButton);
        s.t.fakes.processes.processIds.insert(clients.runs.last().pid, u"litecoin-cli"_s);
        QTRY_VERIFY(!ctl<QPushButton>(s.window, "CLI_STOP_BUTTON")->isEnabled());
        QVERIFY(ctl<QLineEdit>(s.window, "PROCESS_TEXTBOX_3")->toolTip().endsWith(u"RUNNING"_s));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
