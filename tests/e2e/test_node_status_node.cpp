#include "fakes/find_control.h"
#include "node_control/QUORLIN_NODE_STATUS.h"
#include "node_test_context.h"

// The node status window and the launch and stop diagnostics on a real
// Litecoin node on regtest. Figures are printed, never asserted tighter than
// the promised limits.
namespace {

QString writeFile(const NodeTestContext& t, const QString& name, const QByteArray& text)
{
    QFile file(t.sandbox.root() + u'/' + name);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
    file.setPermissions(file.permissions() | QFile::ExeOwner);
    return written ? file.fileName() : QString();
}

QUORLIN_NODE_STATUS* openStatus(QUORLIN_MAIN& w)
{
    QTest::mouseDClick(ctl<QLineEdit>(w, "PROCESS_TEXTBOX_2"), Qt::LeftButton);
    return w.findChild<QUORLIN_NODE_STATUS*>();
}

} // namespace

class TestNodeStatusNode : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (const QString reason = NodeSandbox::unavailableReason(); !reason.isEmpty())
            QSKIP(qPrintable(QStringLiteral("No real node here: ") + reason));
    }

    // Down, then started with DAEMON: 0 blocks, then 3 mined blocks within
    // 3 s; a stop line with a wrong password shows the node's refusal and the
    // node runs on until CLI stops it.
    void statusOfARunningNode()
    {
        NodeTestContext t;
        const QString wrong = writeFile(t, QStringLiteral("wrong.conf"), "regtest=1\nrpcpassword=wrong\n");
        storeNodeKeys(t, t.sandbox.confPath(), t.sandbox.confPath());
        QUORLIN_MAIN w(t.context);
        w.show();
        QUORLIN_NODE_STATUS* status = openStatus(w);
        NODE_TRY_COMPARE(ctl<QLabel>(*status, "STATE_LABEL")
                             ->text()
                             .startsWith(u"not answering: Could not connect to the server"),
            true, kWatcherDelayMs);
        NODE_STEP(checkDaemonBox(w, t.sandbox, false));

        press(ctl<QPushButton>(w, "DAEMON_START_BUTTON"));
        NODE_STEP(checkDaemonBox(w, t.sandbox, true));
        NODE_TRY_COMPARE(
            ctl<QLabel>(*status, "STATE_LABEL")->text(), QStringLiteral("answering"), kNodeTimeoutMs);
        const QStringList shown { ctl<QLabel>(*status, "CHAIN_LABEL")->text(),
            ctl<QLabel>(*status, "BLOCKS_LABEL")->text(), ctl<QLabel>(*status, "PEERS_LABEL")->text() };
        QCOMPARE(shown,
            QStringList(
                { QStringLiteral("regtest"), QStringLiteral("0"), QStringLiteral("0 (in 0, out 0)") }));
        QVERIFY2(ctl<QLabel>(*status, "VERSION_LABEL")->text().contains(QStringLiteral("/LitecoinCore:0.")),
            qPrintable(ctl<QLabel>(*status, "VERSION_LABEL")->text()));

        QElapsedTimer mined;
        mined.start();
        QCOMPARE(
            t.sandbox.cli({ QStringLiteral("-conf=") + t.sandbox.confPath(),
                QStringLiteral("generatetodescriptor"), QStringLiteral("3"), QStringLiteral("raw(51)") }),
            0);
        NODE_TRY_COMPARE(ctl<QLabel>(*status, "BLOCKS_LABEL")->text(), QStringLiteral("3"), 3000);
        qInfo("3 mined blocks shown after %lld ms", qint64(mined.elapsed()));

        // The window's own client calls lock the stop button while they run.
        press(ctl<QPushButton>(*status, "CLOSE_BUTTON"));
        NODE_TRY_COMPARE(ctl<QPushButton>(w, "CLI_STOP_BUTTON")->isEnabled(), true, kWatcherDelayMs);
        t.context.node.setText(NodeText::StopCommand, nodeCommands(wrong, {})[2]);
        press(ctl<QPushButton>(w, "CLI_STOP_BUTTON"));
        NODE_TRY_COMPARE(t.dialogs.errors.join(u'|'),
            QStringLiteral(
                "QUORLIN - Litecoin\nerror: Authorization failed: Incorrect rpcuser or rpcpassword"),
            kNodeTimeoutMs);
        QTest::qWait(1000);
        NODE_STEP(checkDaemonBox(w, t.sandbox, true));
        t.dialogs.errors.clear();
        t.context.node.setText(NodeText::StopCommand, nodeCommands(t.sandbox.confPath(), {})[2]);
        NODE_STEP(stopNode(w, t, t.sandbox.confPath()));
    }

    // A port line at the top of a regtest .conf: the node refuses to start and
    // the panel quotes its reason within 15 s; a typed password is masked.
    void refusedStartIsTold()
    {
        NodeTestContext t;
        const QString conf = writeFile(t, QStringLiteral("port.conf"), "regtest=1\nport=19999\n");
        storeNodeKeys(t, conf, conf);
        t.context.store.write(keys::kDaemonCommand,
            nodeCommands(conf, t.sandbox.dataFolder())[1] + QStringLiteral("-rpcpassword=typed"));
        QUORLIN_MAIN w(t.context);
        QElapsedTimer told;
        told.start();
        press(ctl<QPushButton>(w, "DAEMON_START_BUTTON"));
        NODE_TRY_COMPARE(t.dialogs.errors.size(), 1, 15000);
        qInfo("refused start told after %lld ms", qint64(told.elapsed()));
        const QString message = t.dialogs.errors.first();
        QVERIFY2(message.contains(u"litecoind stopped ")
                && message.contains(
                    u"-rpcpassword=***\nError: Config setting for -port only applied on regtest "
                    "network when in [regtest] section"),
            qPrintable(message));
    }

    // A client that never answers: the window says so after 10 s, and the main
    // window handles a click and its timers all the while.
    void hangingClient()
    {
        NodeTestContext t;
        const QString script = writeFile(t, QStringLiteral("hanging-cli"), "#!/bin/sh\nexec sleep 60\n");
        const QString clicked = t.sandbox.root() + QStringLiteral("/clicked");
        t.context.store.write(keys::kStopCommand, u'"' + script + QStringLiteral("\"  stop"));
        t.context.store.write(keys::kQtCommand, QStringLiteral("/usr/bin/touch \"%1\"").arg(clicked));
        QUORLIN_MAIN w(t.context);
        w.show();
        QUORLIN_NODE_STATUS* status = openStatus(w);
        int beats = 0;
        QTimer heartbeat;
        connect(&heartbeat, &QTimer::timeout, [&] { ++beats; });
        heartbeat.start(50);
        QTest::qWait(500);
        press(ctl<QPushButton>(w, "QT_START_BUTTON"));
        NODE_TRY_COMPARE(QFile::exists(clicked), true, kWatcherDelayMs);
        NODE_TRY_COMPARE(ctl<QLabel>(*status, "STATE_LABEL")->text(),
            QStringLiteral("not answering (no reply in 10 s)"), 15000);
        qInfo("%d of the 50 ms heartbeats ran while the call hung", beats);
        QVERIFY(beats > 100);
    }
};

QTEST_MAIN(TestNodeStatusNode)
#include "test_node_status_node.moc"
