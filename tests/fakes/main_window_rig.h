#pragma once

#include "fakes/fake_platform.h"
#include "fakes/find_control.h"
#include "node_control/QUORLIN_MAIN.h"
#include "node_control/QUORLIN_NODE_STATUS.h"

#include <QtTest>

// A live node setup as the crypto settings save leaves it, each "key=value".
inline const QStringList kNodeSetup { QStringLiteral("CRYPTO_NAME_TEXTBOX=Litecoin"),
    QStringLiteral("QT_NAME_TEXTBOX=litecoin-qt"), QStringLiteral("CLI_NAME_TEXTBOX=litecoin-cli"),
    QStringLiteral("DAEMON_NAME_TEXTBOX=litecoind"),
    QStringLiteral("KD_QT_COMMAND_TEXTBOX=\"/opt/ltc/litecoin-qt\" -conf=\"/c.conf\" "),
    QStringLiteral("KD_D_COMMAND_TEXTBOX=\"/opt/ltc/litecoind\" -conf=\"/c.conf\" "),
    QStringLiteral("KDCLI_STOP_COMMAND_TEXTBOX=\"/opt/ltc/litecoin-cli\" -conf=\"/c.conf\"  stop") };

// The main window on that setup, shown and active.
struct MainWindowRig {
    MainWindowRig()
    {
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
    QPushButton* button(const char* name) const { return ctl<QPushButton>(window, name); }
    void tick() { QMetaObject::invokeMethod(&window, "MULTI_PROCESS_WATCHER_TIMER_Timer"); }

    // Stops the watcher, so that only tick() looks, and opens the node status window from a status box.
    QUORLIN_NODE_STATUS* openNodeStatus(const char* box = "PROCESS_TEXTBOX_2")
    {
        timerOf(window, "MULTI_PROCESS_WATCHER_TIMER").stop();
        QTest::mouseDClick(ctl<QLineEdit>(window, box), Qt::LeftButton);
        return window.findChild<QUORLIN_NODE_STATUS*>();
    }

    TestContext t { kNodeSetup };
    QUORLIN_MAIN window { t.context };
};
