#include "fakes/find_control.h"
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
        const std::pair<TextKey, QString> stored[] = {
            { keys::kCryptoName, QStringLiteral("Litecoin") },
            { keys::kQtName, QStringLiteral("litecoin") },
            { keys::kCliName, QStringLiteral("litecoin-cli") },
            { keys::kDaemonName, QStringLiteral("litecoind") },
            { keys::kQtCommand, commands[0] },
            { keys::kDaemonCommand, commands[1] },
            { keys::kStopCommand, commands[2] },
        };
        for (const auto& [key, value] : stored)
            t.context.store.write(key, value);

        QUORLIN_MAIN w(t.context);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        checkDaemonBox(w, false);

        press(ctl<QPushButton>(w, "DAEMON_START_BUTTON"));
        checkDaemonBox(w, true);
        stopNode(w, t, t.sandbox.confPath());
    }
};

QTEST_MAIN(TestMainWindowNode)
#include "test_main_window_node.moc"
