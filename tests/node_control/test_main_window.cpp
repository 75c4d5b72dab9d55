#include "fakes/fake_platform.h"
#include "fakes/find_control.h"
#include "node_control/QUORLIN_MAIN.h"
#include "node_control/QUORLIN_NODE_STATUS.h"

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

// The main window on that setup, shown and active.
struct Shown {
    TestContext t;
    QUORLIN_MAIN window { (seed(), t.context) };
    const bool active = (window.show(), window.activateWindow(), QTest::qWaitForWindowActive(&window));

    void seed()
    {
        for (const auto& [key, value] : kNodeSetup)
            t.fakes.store(key, value);
    }
    QPushButton* button(const char* name) const { return ctl<QPushButton>(window, name); }
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

    // The node status window opens from a status box or the menu, once, and
    // leaves the main window usable. Its client runs, like the daemon the conf
    // check asks for its options, are not the user's: a tick, taking one look,
    // paints them stopped. It asks one call at a time; closed, it drops late
    // answers and is deleted; it closes with the main window, storing its place.
    void nodeStatusWindowAsksOneCallAtATime()
    {
        Shown s;
        s.window.MULTI_PROCESS_WATCHER_TIMER.stop();
        QTest::mouseDClick(ctl<QLineEdit>(s.window, "PROCESS_TEXTBOX_2"), Qt::LeftButton);
        s.window.NODE_MENU.actions().first()->trigger();
        QCOMPARE(s.window.findChildren<QUORLIN_NODE_STATUS*>().size(), 1);
        QUORLIN_NODE_STATUS* w = s.window.findChild<QUORLIN_NODE_STATUS*>();
        QVERIFY(w->isVisible() && !w->isModal());
        QCOMPARE(w->windowTitle() + u' ' + QString::number(w->REFRESH_TIMER.interval()),
            u"QUORLIN - NODE STATUS - Litecoin 2000"_s);

        FakeClientRunner& clients = s.t.fakes.clients;
        FakeProcessQuery& processes = s.t.fakes.processes;
        processes.processIds = { { clients.runs.first().pid, u"litecoin-cli"_s }, { 4242, u"litecoind"_s },
            { 1, u"LITECOIN-QT"_s } };
        s.t.fakes.programs.pids = { 4242 };
        processes.looks.clear();
        s.tick();
        QStringList shown;
        for (const char* name : { "PROCESS_TEXTBOX_1", "PROCESS_TEXTBOX_2", "PROCESS_TEXTBOX_3" }) {
            const QLineEdit* box = ctl<QLineEdit>(s.window, name);
            shown << box->palette().color(QPalette::Base).name() + u' ' + box->toolTip();
        }
        for (const char* name : { "QT_START_BUTTON", "DAEMON_START_BUTTON", "CLI_STOP_BUTTON" })
            shown << (s.button(name)->isEnabled() ? u"on"_s : u"off"_s);
        QCOMPARE(shown.join(u" | "_s),
            u"#00ff00 litecoin-qt - QT PROCESS RUNNING | #ff0000 litecoind - DAEMON PROCESS STOPPED | "
            u"#ff0000 litecoin-cli - CLI PROCESS STOPPED | off | off | on"_s);
        QCOMPARE(
            processes.looks, QList<QStringList>({ { u"litecoin-qt"_s, u"litecoind"_s, u"litecoin-cli"_s } }));

        const QString stopLine = s.window.KDCLI_STOP_COMMAND_TEXTBOX(), call = stopLine.chopped(4);
        QMetaObject::invokeMethod(w, "REFRESH_TIMER_Timer"); // still waiting for the first answer
        QCOMPARE(clients.commandLines, QStringList { call + u"getblockchaininfo"_s });
        QCOMPARE(clients.runs.first().timeoutMs, 10000);
        QVERIFY(clients.answer({ ClientAnswer::Outcome::Finished, 0,
            u"{\"chain\":\"<b>x</b>\",\"blocks\":3,\"verificationprogress\":1}"_s, {} }));
        QCOMPARE(clients.commandLines.last(), call + u"getnetworkinfo"_s);
        QVERIFY(clients.answer({ ClientAnswer::Outcome::Finished, 0,
            u"{\"connections\":8,\"connections_in\":2,\"connections_out\":6}"_s, {} }));
        const auto label = [w](const char* name) { return ctl<QLabel>(*w, name)->text(); };
        QCOMPARE(QStringList({ label("STATE_LABEL"), label("CHAIN_LABEL"), label("BLOCKS_LABEL"),
                     label("PEERS_LABEL"), QString::number(ctl<QProgressBar>(*w, "PROGRESS_BAR")->value()) }),
            QStringList({ u"answering"_s, u"<b>x</b>"_s, u"3"_s, u"8 (in 2, out 6)"_s, u"10000"_s }));
        for (const QLabel* shown : w->findChildren<QLabel*>()) // the node's texts show as typed
            if (shown->objectName().endsWith(u"_LABEL"_s))
                QCOMPARE(shown->textFormat(), Qt::PlainText);

        s.t.context.node.setText(NodeText::StopCommand, QString());
        QMetaObject::invokeMethod(w, "REFRESH_TIMER_Timer");
        QCOMPARE(label("STATE_LABEL"), u"No command-line client configured: open CRYPTO SETTINGS"_s);
        QCOMPARE(clients.commandLines.size(), 2);

        s.t.context.node.setText(NodeText::StopCommand, stopLine);
        QMetaObject::invokeMethod(w, "REFRESH_TIMER_Timer");
        // A long message of the client shows its first 300 characters: its label grows in an area
        // that scrolls.
        QVERIFY(clients.answer(
            { ClientAnswer::Outcome::Finished, 1, {}, u"error: "_s + u"word "_s.repeated(99) }));
        const QLabel* state = ctl<QLabel>(*w, "STATE_LABEL");
        QTRY_VERIFY(state->height() >= state->heightForWidth(state->width()));
        QCOMPARE(state->text(), (u"not answering: "_s + u"word "_s.repeated(99)).first(300) + u"…"_s);
        QMetaObject::invokeMethod(w, "REFRESH_TIMER_Timer");
        QTest::keyClick(w, Qt::Key_Escape);
        QTRY_VERIFY(!s.window.findChild<QUORLIN_NODE_STATUS*>());
        QVERIFY(clients.answer({}) && clients.runs.isEmpty());

        QTest::mouseDClick(ctl<QLineEdit>(s.window, "PROCESS_TEXTBOX_3"), Qt::LeftButton);
        s.window.findChild<QUORLIN_NODE_STATUS*>()->move(300, 200);
        s.window.unload();
        QCOMPARE(s.t.fakes.stored(u"NODE_STATUS-Left"_s), u"4500"_s);
    }

    // Each start button hands its line, window style and output log over; a
    // line another window changes is used at once; a failing launch shows the
    // line, passwords masked, and the reason. The stop line runs in the background, without a
    // time limit: a failure shows the client's own words, a success nothing;
    // a line that cannot start says why. None stores anything, and the window
    // lives on.
    void buttonsHandOverTheirLines()
    {
        Shown s;
        const QString qtLine = s.window.KD_QT_COMMAND_TEXTBOX(), daemonLine = s.window.KD_D_COMMAND_TEXTBOX();
        const QString changed = u"\"/opt/new/prog\"  -x -rpcpassword s3cret "_s;
        const auto clickStarts = [&] {
            for (const char* button : { "QT_START_BUTTON", "DAEMON_START_BUTTON" })
                s.button(button)->click();
        };
        clickStarts();
        s.t.context.node.setText(NodeText::QtCommand, changed);
        s.t.context.node.setText(NodeText::DaemonCommand, changed);
        s.t.fakes.settings.writtenKeys.clear();
        clickStarts();
        s.t.fakes.launcher.nextResult = { false, u"No such file"_s, {}, {} };
        clickStarts();
        for (const ClientAnswer& answer :
            { ClientAnswer { ClientAnswer::Outcome::Finished, 0, u"Litecoin server stopping\n"_s, {} },
                { ClientAnswer::Outcome::Finished, 1, {},
                    u"error: Authorization failed: Incorrect rpcuser or rpcpassword\n"_s },
                { ClientAnswer::Outcome::NotStarted, -1, {}, u"/opt/ltc/litecoin-cli: No such file"_s } }) {
            QTest::mouseClick(s.button("CLI_STOP_BUTTON"), Qt::LeftButton);
            const FakeClientRunner::Run& run = s.t.fakes.clients.runs.value(0);
            QVERIFY(run.timeoutMs == 0 && run.caller == ClientRunner::Caller::User);
            QVERIFY(s.t.fakes.clients.answer(answer));
        }

        const QString qt = u" > /logs/KD-QUORLIN-qt.log"_s,
                      daemon = u" > /logs/KD-QUORLIN-daemon.log hidden"_s;
        const QStringList changedCalls { changed + qt, changed + daemon };
        QCOMPARE(s.t.fakes.launcher.calls,
            QStringList({ qtLine + qt, daemonLine + daemon }) + changedCalls + changedCalls);
        const QString stopLine = s.window.KDCLI_STOP_COMMAND_TEXTBOX();
        QCOMPARE(s.t.fakes.clients.commandLines, QStringList(3, stopLine));
        const QString couldNot = u"QUORLIN - Litecoin\nCould not start this command line:\n\n"_s;
        QCOMPARE(s.t.fakes.dialogs.errors,
            QStringList(2, couldNot + u"\"/opt/new/prog\"  -x -rpcpassword *** \n\nNo such file"_s)
                << u"QUORLIN - Litecoin\nerror: Authorization failed: Incorrect rpcuser or rpcpassword"_s
                << couldNot + stopLine + u"\n\n/opt/ltc/litecoin-cli: No such file"_s);
        QVERIFY(s.t.fakes.settings.writtenKeys.isEmpty());
        QVERIFY(s.window.isVisible() && s.window.MULTI_PROCESS_WATCHER_TIMER.isActive());
    }

    // A daemon gone within 15 s is told once with its output log; one the
    // user stopped with CLI is not. A log that could not be written is told
    // once, at the start, with the line's password masked. The started
    // process decides before the image name: while it runs (a wrapper
    // script), nothing is told; when it failed and its group is empty, its
    // exit status is told.
    void shortLivedDaemonIsTold()
    {
        const QString linked = u"It is a symbolic link, which this program does not follow."_s;
        const QString stopped = u"QUORLIN - Litecoin\nlitecoind stopped after it was started.\n\n"_s;
        const QString noOutput = u"It wrote no output to /logs/KD-QUORLIN-daemon.log."_s;
        const std::optional<ProcessEnd> clean = ProcessEnd { false, u"exit code 0"_s };
        for (const auto& [stoppedByUser, logProblem, end, told] :
            { std::tuple(false, QString(), clean, stopped + noOutput), { true, QString(), clean, QString() },
                { false, linked, clean,
                    u"QUORLIN - Litecoin\nThis command line was started, but its output is not kept in "
                    u"/logs/KD-QUORLIN-daemon.log:\n\n\"/opt/ltc/litecoind\" -rpcpassword=*** \n\n"_s
                        + linked + u'|' + stopped + u"Its output was not kept."_s },
                { false, QString(), std::nullopt, QString() },
                { false, QString(), ProcessEnd { true, u"exit code 1"_s },
                    u"QUORLIN - Litecoin\nlitecoind stopped after it was started (exit code 1).\n\n"_s
                        + noOutput } }) {
            Shown s;
            s.window.MULTI_PROCESS_WATCHER_TIMER.stop();
            s.t.fakes.processes.processIds.insert(1, u"litecoind"_s);
            s.t.context.node.setText(
                NodeText::DaemonCommand, u"\"/opt/ltc/litecoind\" -rpcpassword=s3cret "_s);
            s.t.fakes.launcher.nextResult = { true, {}, logProblem, {} };
            s.t.fakes.launcher.program->processEnd = end;
            s.button("DAEMON_START_BUTTON")->click();
            if (stoppedByUser)
                s.button("CLI_STOP_BUTTON")->click();
            s.tick();
            s.t.fakes.processes.processIds.clear();
            for (int i = 0; i < 3; ++i)
                s.tick();
            // How long it ran varies with the machine.
            QCOMPARE(s.t.fakes.dialogs.errors.join(u'|').replace(
                         QRegularExpression(u"stopped [0-9.]+ s after"_s), u"stopped after"_s),
                told);
        }
    }

    // A log that cannot be written any more is told once, with the masked
    // command line, while the program runs on.
    void outputProblemIsToldOnce()
    {
        Shown s;
        s.window.MULTI_PROCESS_WATCHER_TIMER.stop();
        s.t.fakes.launcher.program->processEnd = std::nullopt;
        s.t.context.node.setText(NodeText::DaemonCommand, u"\"/opt/ltc/litecoind\" -rpcpassword=secret"_s);
        s.button("DAEMON_START_BUTTON")->click();
        s.tick();
        s.t.fakes.launcher.program->outputProblem = u"No space left on device"_s;
        for (int i = 0; i < 3; ++i)
            s.tick();
        QCOMPARE(s.t.fakes.dialogs.errors,
            QStringList { u"QUORLIN - Litecoin\nThe output of this command line is no longer kept in "
                          u"/logs/KD-QUORLIN-daemon.log:\n\n\"/opt/ltc/litecoind\" -rpcpassword=***\n\n"
                          u"No space left on device\n\nThe program runs on; what it prints from now on is "
                          u"dropped."_s });
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
