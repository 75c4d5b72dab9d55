#include "node_test_context.h"

// The main window starts a real Litecoin node on regtest with DAEMON, sees it
// through the real process query, and stops it with CLI "STOP".
class TestMainWindowNode : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (const QString reason = NodeSandbox::unavailableReason(); !reason.isEmpty())
            QSKIP(qPrintable(QStringLiteral("No real node here: ") + reason));
    }

    void daemonButtonStartsAndCliButtonStopsTheNode()
    {
        NodeTestContext t;
        QVERIFY2(t.sandbox.isValid(), qPrintable(t.sandbox.root()));
        // The keys as the crypto settings window saves them for this node.
        const QStringList commands = nodeCommands(t.sandbox.confPath(), t.sandbox.dataFolder());
        const std::pair<const char*, QString> keys[] = {
            { "CRYPTO_NAME_TEXTBOX", QStringLiteral("Litecoin") },
            { "QT_NAME_TEXTBOX", QStringLiteral("litecoin") },
            { "CLI_NAME_TEXTBOX", QStringLiteral("litecoin-cli") },
            { "DAEMON_NAME_TEXTBOX", QStringLiteral("litecoind") },
            { "KD_QT_COMMAND_TEXTBOX", commands[0] },
            { "KD_D_COMMAND_TEXTBOX", commands[1] },
            { "KDCLI_STOP_COMMAND_TEXTBOX", commands[2] },
        };
        for (const auto& [key, value] : keys)
            t.context.store.writeText(QLatin1String(key), value);

        QUORLIN_MAIN w(t.context);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        NODE_STEP(checkDaemonBox(w, t.sandbox, false));

        press(w.DAEMON_START_BUTTON);
        NODE_STEP(checkDaemonBox(w, t.sandbox, true));
        NODE_STEP(stopNode(w, t, t.sandbox.confPath()));
    }
};

QTEST_MAIN(TestMainWindowNode)
#include "test_main_window_node.moc"
