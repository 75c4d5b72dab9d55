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

    QPushButton* button(const char* name) const { return ctl<QPushButton>(window, name); }
    QLineEdit* box(const char* name) const { return ctl<QLineEdit>(window, name); }
    void tick() { QMetaObject::invokeMethod(&window, "MULTI_PROCESS_WATCHER_TIMER_Timer"); }
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    // Loading reads the position, the node setup and the tick, in this order,
    // and stores nothing; the stacking timer runs only while ticked.
    void loadsStoreOrDefaults()
    {
        Shown s;
        QStringList keys { u"MAIN_Left"_s, u"MAIN_Top"_s, u"MAIN_Width"_s, u"MAIN_Height"_s };
        for (const auto& [key, value] : kNodeSetup)
            keys << key;
        QCOMPARE(s.t.fakes.settings.readKeys, keys << u"AlwaysOnTop_TICKBOX"_s);
        QCOMPARE(s.window.AlwaysOnTopTimer.interval(), 1000);
        QCOMPARE(s.window.MULTI_PROCESS_WATCHER_TIMER.interval(), 250);
        s.window.AlwaysOnTopTimer.setInterval(1);
        QTRY_VERIFY(s.t.fakes.stacking.steps >= 2);

        TestContext off;
        off.fakes.store(u"AlwaysOnTop_TICKBOX"_s, u"0"_s);
        QUORLIN_MAIN unticked(off.context);
        QCOMPARE(unticked.windowTitle() + unticked.QT_NAME_TEXTBOX() + unticked.CLI_NAME_TEXTBOX()
                + unticked.DAEMON_NAME_TEXTBOX() + unticked.KD_QT_COMMAND_TEXTBOX()
                + unticked.KD_D_COMMAND_TEXTBOX() + unticked.KDCLI_STOP_COMMAND_TEXTBOX(),
            u"QUORLIN - "_s); // every node field empty
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
        const auto look = [&](const char* name) {
            const QLineEdit* box = ctl<QLineEdit>(w, name);
            return box->palette().color(QPalette::Base).name() + u' ' + box->toolTip();
        };
        const QString cliBefore = look("PROCESS_TEXTBOX_3");

        QMetaObject::invokeMethod(&w, "MULTI_PROCESS_WATCHER_TIMER_Timer");

        QCOMPARE(t.fakes.processes.looks, QList<QStringList>({ { u"litecoin-qt"_s, u"litecoind"_s } }));
        QCOMPARE(
            QStringList({ look("PROCESS_TEXTBOX_1"), look("PROCESS_TEXTBOX_2"), look("PROCESS_TEXTBOX_3") }),
            QStringList({ u"#ff0000 litecoin-qt - QT PROCESS STOPPED"_s,
                u"#00ff00 litecoind - DAEMON PROCESS RUNNING"_s, cliBefore }));
        QVERIFY(!ctl<QPushButton>(w, "CLI_STOP_BUTTON")->isEnabled()
            && !ctl<QPushButton>(w, "QT_START_BUTTON")->isEnabled()
            && !ctl<QPushButton>(w, "DAEMON_START_BUTTON")->isEnabled());
    }

    // Each start button hands its line, window style and output log over,
    // storing nothing; a line another window changes is used at once. A
    // failing launch shows the line and the reason, and the window lives on.
    void launchButtonsHandOverTheirLine()
    {
        for (const auto& [button, key, command, style, log] :
            { std::tuple(
                  "QT_START_BUTTON", "KD_QT_COMMAND_TEXTBOX", NodeText::QtCommand, WindowStyle::Normal, "qt"),
                { "DAEMON_START_BUTTON", "KD_D_COMMAND_TEXTBOX", NodeText::DaemonCommand, WindowStyle::Hidden,
                    "daemon" } }) {
            Shown s;
            const QString stored = s.t.fakes.stored(QString::fromLatin1(key));
            const QString changed = u"\"/opt/new/prog\"  -x "_s;
            s.button(button)->click();
            s.t.context.node.setText(command, changed);
            s.t.fakes.settings.writtenKeys.clear();
            s.button(button)->click();
            s.t.fakes.launcher.nextResult = { false, u"No such file"_s, {} };
            s.button(button)->click();
            QStringList lines;
            for (const FakeProcessLauncher::Call& call : s.t.fakes.launcher.calls) {
                lines << call.commandLine;
                QVERIFY(call.style == style && call.outputLog == u"/logs/KD-QUORLIN-%1.log"_s.arg(log));
            }
            QCOMPARE(lines, QStringList({ stored, changed, changed }));
            QVERIFY(s.t.fakes.settings.writtenKeys.isEmpty());
            QCOMPARE(s.t.fakes.dialogs.errors,
                QStringList {
                    u"QUORLIN - Litecoin\nCould not start this command line:\n\n%1\n\nNo such file"_s.arg(
                        changed) });
            QVERIFY(s.window.isVisible() && s.window.MULTI_PROCESS_WATCHER_TIMER.isActive());
        }
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
            QTest::mouseClick(s.button("CLI_STOP_BUTTON"), Qt::LeftButton);
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
            s.window.MULTI_PROCESS_WATCHER_TIMER.stop();
            s.t.fakes.processes.setRunning(u"litecoind"_s, 1);
            s.t.fakes.launcher.nextResult = { true, {}, logProblem };
            s.button("DAEMON_START_BUTTON")->click();
            if (stoppedByUser)
                s.button("CLI_STOP_BUTTON")->click();
            s.tick();
            s.t.fakes.processes.setRunning(u"litecoind"_s, 0);
            for (int i = 0; i < 3; ++i)
                s.tick();
            const QStringList& errors = s.t.fakes.dialogs.errors;
            QCOMPARE(errors.size(), stoppedByUser ? 0 : logProblem.isEmpty() ? 1 : 2);
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
        QTest::mouseDClick(s.box("PROCESS_TEXTBOX_3"), Qt::LeftButton);
        FakeClientRunner& clients = s.t.fakes.clients;
        QCOMPARE(clients.runs.size(), 1);
        s.t.fakes.processes.processIds.insert(clients.runs.first().pid, u"litecoin-cli"_s);
        s.tick();
        QVERIFY(s.button("CLI_STOP_BUTTON")->isEnabled());
        QVERIFY(s.box("PROCESS_TEXTBOX_3")->toolTip().endsWith(u"STOPPED"_s));
        // Nor does the daemon the conf check asks for its options.
        s.t.fakes.programs.pids = { 4242 };
        s.t.fakes.processes.processIds.insert(4242, u"litecoind"_s);
        s.tick();
        QVERIFY(s.button("DAEMON_START_BUTTON")->isEnabled());
        QVERIFY(s.box("PROCESS_TEXTBOX_2")->toolTip().endsWith(u"STOPPED"_s));

        QTest::mouseClick(s.button("CLI_STOP_BUTTON"), Qt::LeftButton);
        s.t.fakes.processes.processIds.insert(clients.runs.last().pid, u"litecoin-cli"_s);
        s.tick();
        QVERIFY(!s.button("CLI_STOP_BUTTON")->isEnabled());
        QVERIFY(s.box("PROCESS_TEXTBOX_3")->toolTip().endsWith(u"RUNNING"_s));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
