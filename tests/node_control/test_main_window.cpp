#include "fakes/main_window_rig.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The node's answers to the status window's two calls.
const ProcessAnswer kChainAnswer { ProcessAnswer::Outcome::Finished, 0,
    u"{\"chain\":\"<b>x</b>\",\"blocks\":3,\"verificationprogress\":1}"_s, {} };
const ProcessAnswer kNetworkAnswer { ProcessAnswer::Outcome::Finished, 0,
    u"{\"connections\":8,\"connections_in\":2,\"connections_out\":6}"_s, {} };

QString label(const QUORLIN_NODE_STATUS& w, const char* name)
{
    return ctl<QLabel>(w, name)->text();
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    // Loading reads the position, the node setup and the tick, in this order, and stores nothing; the
    // stacking timer runs only while ticked.
    void loadsStoreOrDefaults()
    {
        MainWindowRig s;
        QStringList keys { u"MAIN_Left"_s, u"MAIN_Top"_s, u"MAIN_Width"_s, u"MAIN_Height"_s };
        for (const QString& pair : kNodeSetup)
            keys << pair.section(u'=', 0, 0);
        QCOMPARE(s.t.fakes.settings.readKeys, keys << u"AlwaysOnTop_TICKBOX"_s);
        QCOMPARE(timerOf(s.window, "AlwaysOnTopTimer").interval(), 1000);
        QCOMPARE(timerOf(s.window, "MULTI_PROCESS_WATCHER_TIMER").interval(), 250);
        timerOf(s.window, "AlwaysOnTopTimer").setInterval(1);
        QTRY_VERIFY(s.t.fakes.stacking.steps >= 2);

        TestContext off;
        off.fakes.store(u"AlwaysOnTop_TICKBOX"_s, u"0"_s);
        QUORLIN_MAIN unticked(off.context);
        QCOMPARE(unticked.windowTitle() + unticked.QT_NAME_TEXTBOX() + unticked.CLI_NAME_TEXTBOX()
                + unticked.DAEMON_NAME_TEXTBOX() + unticked.KD_QT_COMMAND_TEXTBOX()
                + unticked.KD_D_COMMAND_TEXTBOX() + unticked.KDCLI_STOP_COMMAND_TEXTBOX(),
            u"QUORLIN - "_s); // every node field empty
        QVERIFY(!timerOf(unticked, "AlwaysOnTopTimer").isActive()
            && timerOf(unticked, "MULTI_PROCESS_WATCHER_TIMER").isActive());
        QVERIFY(s.t.fakes.settings.writtenKeys.isEmpty() && off.fakes.settings.writtenKeys.isEmpty());
    }

    // The node status window opens from a status box or the menu, once, and leaves the main window usable.
    void nodeStatusWindowOpensOnce()
    {
        MainWindowRig s;
        s.openNodeStatus();
        menuNamed("NODE_MENU").actions().first()->trigger();
        QCOMPARE(s.window.findChildren<QUORLIN_NODE_STATUS*>().size(), 1);
        QUORLIN_NODE_STATUS* w = s.window.findChild<QUORLIN_NODE_STATUS*>();
        QVERIFY(w->isVisible() && !w->isModal());
        QCOMPARE(w->windowTitle(), u"QUORLIN - NODE STATUS - Litecoin"_s);
        QCOMPARE(timerOf(*w, "REFRESH_TIMER").interval(), 2000);
    }

    // Its client runs, like the daemon the conf check asks for its options, are not the user's: a tick,
    // taking one look, paints them stopped.
    void nodeStatusCallsAreNotTheUsers()
    {
        MainWindowRig s;
        s.openNodeStatus();
        FakeProcessQuery& processes = s.t.fakes.processes;
        s.t.fakes.runner.run(
            u"litecoind"_s, { u"-help"_s }, 5000, ProcessRunner::Caller::Panel, &s.window, {});
        processes.processIds = { { s.t.fakes.runner.runs.first().pid, u"litecoin-cli"_s },
            { s.t.fakes.runner.runs.last().pid, u"litecoind"_s }, { 1, u"LITECOIN-QT"_s } };
        processes.looks.clear();
        s.tick();
        const std::pair<const char*, QString> boxes[]
            = { { "PROCESS_TEXTBOX_1", u"#00ff00 litecoin-qt - QT PROCESS RUNNING"_s },
                  { "PROCESS_TEXTBOX_2", u"#ff0000 litecoind - DAEMON PROCESS STOPPED"_s },
                  { "PROCESS_TEXTBOX_3", u"#ff0000 litecoin-cli - CLI PROCESS STOPPED"_s } };
        for (const auto& [name, shown] : boxes) {
            const QLineEdit* box = ctl<QLineEdit>(s.window, name);
            QCOMPARE(box->palette().color(QPalette::Base).name() + u' ' + box->toolTip(), shown);
        }
        QVERIFY(!s.button("QT_START_BUTTON")->isEnabled() && !s.button("DAEMON_START_BUTTON")->isEnabled());
        QVERIFY(s.button("CLI_STOP_BUTTON")->isEnabled());
        QCOMPARE(
            processes.looks, QList<QStringList>({ { u"litecoin-qt"_s, u"litecoind"_s, u"litecoin-cli"_s } }));
    }

    // It asks one call at a time, the stop line's with its last word swapped, and shows the answers as typed.
    void nodeStatusAsksOneCallAtATime()
    {
        MainWindowRig s;
        QUORLIN_NODE_STATUS* w = s.openNodeStatus();
        FakeProcessRunner& clients = s.t.fakes.runner;
        const QString call
            = u"/opt/ltc/litecoin-cli -conf=/c.conf "_s; // the stop line's program and arguments
        QMetaObject::invokeMethod(w, "REFRESH_TIMER_Timer"); // still waiting for the first answer
        QCOMPARE(clients.commandLines, QStringList { call + u"getblockchaininfo"_s });
        QCOMPARE(clients.runs.first().timeoutMs, 10000);
        QVERIFY(clients.answer(kChainAnswer));
        QCOMPARE(clients.commandLines.last(), call + u"getnetworkinfo"_s);
        QVERIFY(clients.answer(kNetworkAnswer));
        QCOMPARE(
            QStringList({ label(*w, "STATE_LABEL"), label(*w, "CHAIN_LABEL"), label(*w, "BLOCKS_LABEL"),
                label(*w, "PEERS_LABEL"), QString::number(ctl<QProgressBar>(*w, "PROGRESS_BAR")->value()) }),
            QStringList({ u"answering"_s, u"<b>x</b>"_s, u"3"_s, u"8 (in 2, out 6)"_s, u"10000"_s }));
        for (const QLabel* shown : w->findChildren<QLabel*>())
            if (shown->objectName().endsWith(u"_LABEL"_s))
                QCOMPARE(shown->textFormat(), Qt::PlainText);
    }

    // Without a stop line it calls nothing and says where to set one.
    void nodeStatusWithoutAStopLineSaysWhere()
    {
        MainWindowRig s;
        QUORLIN_NODE_STATUS* w = s.openNodeStatus();
        QVERIFY(s.t.fakes.runner.answer(kChainAnswer) && s.t.fakes.runner.answer(kNetworkAnswer));
        s.t.context.node.setText(NodeText::StopCommand, QString());
        QMetaObject::invokeMethod(w, "REFRESH_TIMER_Timer");
        QCOMPARE(label(*w, "STATE_LABEL"), u"No command-line client configured: open CRYPTO SETTINGS"_s);
        QCOMPARE(s.t.fakes.runner.commandLines.size(), 2);
    }

    // A long message of the client shows its first 300 characters: its label grows in an area that scrolls.
    void nodeStatusShowsTheStartOfALongMessage()
    {
        MainWindowRig s;
        QUORLIN_NODE_STATUS* w = s.openNodeStatus();
        QVERIFY(s.t.fakes.runner.answer(
            { ProcessAnswer::Outcome::Finished, 1, {}, u"error: "_s + u"word "_s.repeated(99) }));
        const QLabel* state = ctl<QLabel>(*w, "STATE_LABEL");
        QTRY_VERIFY(state->height() >= state->heightForWidth(state->width()));
        QCOMPARE(state->text(), (u"not answering: "_s + u"word "_s.repeated(99)).first(300) + u"…"_s);
    }

    // Closed, it is deleted and drops a late answer.
    void closedNodeStatusDropsLateAnswers()
    {
        MainWindowRig s;
        QTest::keyClick(s.openNodeStatus(), Qt::Key_Escape);
        QTRY_VERIFY(!s.window.findChild<QUORLIN_NODE_STATUS*>());
        QVERIFY(s.t.fakes.runner.answer({}) && s.t.fakes.runner.runs.isEmpty());
    }

    // It closes with the main window, storing its place.
    void nodeStatusClosesWithTheMainWindow()
    {
        MainWindowRig s;
        s.openNodeStatus("PROCESS_TEXTBOX_3")->move(300, 200);
        s.window.unload();
        QCOMPARE(s.t.fakes.stored(u"NODE_STATUS-Left"_s), u"4500"_s);
    }

    // Exit stores the main window's position, the node status window's position and the tick, each again as
    // the windows unload, in one write of the store.
    void exitWritesTheStoreOnce()
    {
        MainWindowRig s;
        QVERIFY(s.openNodeStatus());
        s.t.fakes.settings.writtenKeys.clear();
        s.t.fakes.settings.commits = 0;
        s.button("EXIT_BUTTON")->click();
        QCOMPARE(s.t.fakes.settings.writtenKeys.join(u' '),
            u"MAIN_Left MAIN_Top AlwaysOnTop_TICKBOX MAIN_Left MAIN_Top NODE_STATUS-Left NODE_STATUS-Top "
            u"AlwaysOnTop_TICKBOX"_s);
        QCOMPARE(s.t.fakes.settings.commits, 1);
    }

    // Each start button hands its line, window style and output log over; a line another window changes is
    // used at once; a failing launch shows the line, passwords masked, and the reason. The stop line runs in
    // the background, without a time limit: a failure shows the client's own words, a success nothing; a line
    // that cannot start says why. None stores anything, and the window lives on.
    void buttonsHandOverTheirLines()
    {
        MainWindowRig s;
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
        for (const ProcessAnswer& answer :
            { ProcessAnswer { ProcessAnswer::Outcome::Finished, 0, u"Litecoin server stopping\n"_s, {} },
                { ProcessAnswer::Outcome::Finished, 1, {},
                    u"error: Authorization failed: Incorrect rpcuser or rpcpassword\n"_s },
                { ProcessAnswer::Outcome::NotStarted, -1, {}, u"/opt/ltc/litecoin-cli: No such file"_s } }) {
            QTest::mouseClick(s.button("CLI_STOP_BUTTON"), Qt::LeftButton);
            const FakeProcessRunner::Run& run = s.t.fakes.runner.runs.value(0);
            QVERIFY(run.timeoutMs == 0 && run.caller == ProcessRunner::Caller::User);
            QVERIFY(s.t.fakes.runner.answer(answer));
        }

        const QString qt = u" > /logs/KD-QUORLIN-qt.log"_s,
                      daemon = u" > /logs/KD-QUORLIN-daemon.log hidden"_s;
        const QStringList changedCalls { changed + qt, changed + daemon };
        QCOMPARE(s.t.fakes.launcher.calls,
            QStringList({ qtLine + qt, daemonLine + daemon }) + changedCalls + changedCalls);
        const QString stopLine = s.window.KDCLI_STOP_COMMAND_TEXTBOX();
        QCOMPARE(
            s.t.fakes.runner.commandLines, QStringList(3, u"/opt/ltc/litecoin-cli -conf=/c.conf stop"_s));
        const QString couldNot = u"QUORLIN - Litecoin\nCould not start this command line:\n\n"_s;
        QCOMPARE(s.t.fakes.dialogs.errors,
            QStringList(2, couldNot + u"\"/opt/new/prog\"  -x -rpcpassword *** \n\nNo such file"_s)
                << u"QUORLIN - Litecoin\nerror: Authorization failed: Incorrect rpcuser or rpcpassword"_s
                << couldNot + stopLine + u"\n\n/opt/ltc/litecoin-cli: No such file"_s);
        QVERIFY(s.t.fakes.settings.writtenKeys.isEmpty());
        QVERIFY(s.window.isVisible() && timerOf(s.window, "MULTI_PROCESS_WATCHER_TIMER").isActive());
    }

    // A daemon gone within 15 s is told once with its output log; one the user stopped with CLI is not. A log
    // that could not be written is told once, at the start, with the line's password masked. The started
    // process decides before the image name: while it runs (a wrapper script), nothing is told; when it
    // failed and its group is empty, its exit status is told.
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
            MainWindowRig s;
            timerOf(s.window, "MULTI_PROCESS_WATCHER_TIMER").stop();
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

    // A log that cannot be written any more is told once, with the masked line, while the program runs on.
    void outputProblemIsToldOnce()
    {
        MainWindowRig s;
        timerOf(s.window, "MULTI_PROCESS_WATCHER_TIMER").stop();
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
