#include "node_control/QUORLIN_NODE_STATUS.h"
#include "node_test_context.h"

#include <QElapsedTimer>

// The node status window and the launch and stop diagnostics against a real
// Litecoin node on regtest. Figures (seconds until the window shows mined
// blocks, until a refused start is told) are printed, never asserted tighter
// than the promised limits.
namespace {

QString writeConf(const NodeTestContext& t, const QString& name, const QByteArray& text)
{
    QFile conf(t.sandbox.root() + u'/' + name);
    if (conf.open(QIODevice::WriteOnly))
        conf.write(text);
    return conf.fileName();
}

// The panel's keys for the installed programs, with `conf` for the node and
// `cliConf` for the client's stop line.
void configure(NodeTestContext& t, const QString& conf, const QString& cliConf)
{
    const QStringList commands = nodeCommands(conf, t.sandbox.dataFolder());
    const std::pair<const char*, QString> keys[] = {
        { "CRYPTO_NAME_TEXTBOX", QStringLiteral("Litecoin") },
        { "QT_NAME_TEXTBOX", QStringLiteral("litecoin") },
        { "CLI_NAME_TEXTBOX", QStringLiteral("litecoin-cli") },
        { "DAEMON_NAME_TEXTBOX", QStringLiteral("litecoind") },
        { "KD_QT_COMMAND_TEXTBOX", commands[0] },
        { "KD_D_COMMAND_TEXTBOX", commands[1] },
        { "KDCLI_STOP_COMMAND_TEXTBOX", nodeCommands(cliConf, t.sandbox.dataFolder())[2] },
    };
    for (const auto& [key, value] : keys)
        t.context.store.writeText(QLatin1String(key), value);
}

QUORLIN_NODE_STATUS* openStatus(QUORLIN_MAIN& w)
{
    QTest::mouseDClick(w.PROCESS_TEXTBOX_2, Qt::LeftButton);
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

    // Down, then answering with 0 blocks, then 3 mined blocks within 3 s; a
    // stop line with a wrong password tells the node's refusal and the node runs on.
    void statusOfARunningNode()
    {
        NodeTestContext t;
        QVERIFY2(t.sandbox.isValid(), qPrintable(t.sandbox.root()));
        const QString wrong = writeConf(
            t, QStringLiteral("wrong.conf"), "regtest=1\nrpcuser=quorlin\nrpcpassword=not-the-password\n");
        configure(t, t.sandbox.confPath(), t.sandbox.confPath());
        QUORLIN_MAIN w(t.context);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QUORLIN_NODE_STATUS* status = openStatus(w);
        QVERIFY(status);
        QTRY_VERIFY_WITH_TIMEOUT(
            status->STATE_LABEL->text().startsWith(u"not answering: Could not connect to the server"), 5000);

        press(w.DAEMON_START_BUTTON);
        checkDaemonBox(w, true);
        QTRY_COMPARE_WITH_TIMEOUT(status->STATE_LABEL->text(), QStringLiteral("answering"), kNodeTimeoutMs);
        QCOMPARE(status->CHAIN_LABEL->text(), QStringLiteral("regtest"));
        QCOMPARE(status->BLOCKS_LABEL->text(), QStringLiteral("0"));
        QCOMPARE(status->PEERS_LABEL->text(), QStringLiteral("0 (in 0, out 0)"));
        QProcess version;
        version.start(
            NodeSandbox::programFolder() + QStringLiteral("/litecoind"), { QStringLiteral("-version") });
        QVERIFY(version.waitForFinished());
        const QString number
            = QString::fromUtf8(version.readAllStandardOutput()).section(u'v', 2, 2).section(u'-', 0, 0);
        QVERIFY2(status->VERSION_LABEL->text().contains(number), qPrintable(number));

        QElapsedTimer mined;
        mined.start();
        QCOMPARE(
            t.sandbox.cli({ QStringLiteral("-conf=") + t.sandbox.confPath(),
                QStringLiteral("generatetodescriptor"), QStringLiteral("3"), QStringLiteral("raw(51)") }),
            0);
        QTRY_COMPARE_WITH_TIMEOUT(status->BLOCKS_LABEL->text(), QStringLiteral("3"), 3000);
        qInfo("3 mined blocks shown after %lld ms", qint64(mined.elapsed()));

        // The window's own client calls lock the stop button while they run.
        press(status->CLOSE_BUTTON);
        QTRY_VERIFY(w.CLI_STOP_BUTTON->isEnabled());
        w.KDCLI_STOP_COMMAND_TEXTBOX = nodeCommands(wrong, t.sandbox.dataFolder())[2];
        press(w.CLI_STOP_BUTTON);
        QTRY_COMPARE_WITH_TIMEOUT(t.dialogs.errors,
            QStringList {
                QStringLiteral("QUORLIN - Litecoin\nerror: Authorization failed: Incorrect rpcuser or "
                               "rpcpassword") },
            kNodeTimeoutMs);
        QTest::qWait(1000);
        checkDaemonBox(w, true);
        t.dialogs.errors.clear();
        w.KDCLI_STOP_COMMAND_TEXTBOX = nodeCommands(t.sandbox.confPath(), t.sandbox.dataFolder())[2];
        stopNode(w, t, t.sandbox.confPath());
    }

    // A port line at the top of a regtest .conf: the node refuses to start and
    // the panel quotes its reason within 15 s, from the daemon's log.
    void refusedStartIsTold()
    {
        NodeTestContext t;
        const QString conf
            = writeConf(t, QStringLiteral("port.conf"), "regtest=1\nport=19999\nrpcpassword=secret\n");
        configure(t, conf, conf);
        t.context.store.writeText(QStringLiteral("KD_D_COMMAND_TEXTBOX"),
            nodeCommands(conf, t.sandbox.dataFolder())[1] + QStringLiteral("-rpcpassword=typed"));
        QUORLIN_MAIN w(t.context);
        w.show();
        QElapsedTimer told;
        told.start();
        press(w.DAEMON_START_BUTTON);
        QTRY_COMPARE_WITH_TIMEOUT(t.dialogs.errors.size(), 1, 15000);
        qInfo("refused start told after %lld ms", qint64(told.elapsed()));
        const QString message = t.dialogs.errors.first();
        QVERIFY2(message.contains(QStringLiteral(
                     "Config setting for -port only applied on regtest network when in [regtest] section")),
            qPrintable(message));
        QVERIFY(message.contains(QStringLiteral("litecoind stopped ")));
        QVERIFY2(message.contains(QStringLiteral("-rpcpassword=***"))
                && !message.contains(QStringLiteral("typed")),
            qPrintable(message));
    }

    // A client that never answers: the window says so after 10 s, and the main
    // window handles clicks and timers all the while.
    void hangingClient()
    {
        NodeTestContext t;
        const QString script = t.sandbox.root() + QStringLiteral("/hanging-cli");
        QFile file(script);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\nexec sleep 60\n");
        file.close();
        file.setPermissions(file.permissions() | QFile::ExeOwner);
        const QString clicked = t.sandbox.root() + QStringLiteral("/clicked");
        t.context.store.writeText(
            QStringLiteral("KDCLI_STOP_COMMAND_TEXTBOX"), u'"' + script + QStringLiteral("\"  stop"));
        t.context.store.writeText(
            QStringLiteral("KD_QT_COMMAND_TEXTBOX"), QStringLiteral("/usr/bin/touch \"%1\"").arg(clicked));
        QUORLIN_MAIN w(t.context);
        w.show();
        QUORLIN_NODE_STATUS* status = openStatus(w);
        QVERIFY(status);

        int beats = 0;
        QTimer heartbeat;
        connect(&heartbeat, &QTimer::timeout, [&] { ++beats; });
        heartbeat.start(50);
        QTest::qWait(500);
        press(w.QT_START_BUTTON);
        QTRY_VERIFY(QFile::exists(clicked));
        QElapsedTimer hang;
        hang.start();
        QTRY_COMPARE_WITH_TIMEOUT(
            status->STATE_LABEL->text(), QStringLiteral("not answering (no reply in 10 s)"), 15000);
        qInfo("no reply shown after %lld ms more; %d of 50 ms heartbeats ran", qint64(hang.elapsed()), beats);
        QVERIFY(beats > 100);
    }
};

QTEST_MAIN(TestNodeStatusNode)
#include "test_node_status_node.moc"
