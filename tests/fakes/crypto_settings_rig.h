#pragma once

#include "crypto_settings/QUORLIN_CRYPTO_SETTINGS.h"
#include "fakes/fake_platform.h"
#include "fakes/find_control.h"
#include "main_settings/QUORLIN_MAIN_SETTINGS.h"
#include "node_control/QUORLIN_MAIN.h"

// The tick boxes of the three switch pairs: each main box, then its Disabled box.
inline const QStringList kSwitchTickBoxes { QStringLiteral("QT_WALLET_TICKBOX"),
    QStringLiteral("QT_DISABLE_WALLET_TICKBOX"), QStringLiteral("DAEMON_WALLET_TICKBOX"),
    QStringLiteral("DAEMON_DISABLE_WALLET_TICKBOX"), QStringLiteral("CLI_DAEMON_TICKBOX"),
    QStringLiteral("DISABLE_DAEMON_TICKBOX") };

// The crypto settings as the user reaches them: main window, main settings, crypto settings, over fakes that
// hold these settings.
struct CryptoSettingsRig {
    explicit CryptoSettingsRig(const QStringList& stored = {})
        : t(stored)
    {
    }

    QCheckBox* box(int i) const { return w.findChild<QCheckBox*>(kSwitchTickBoxes[i]); }
    void click(const char* button) const { ctl<QPushButton>(w, button)->click(); }

    // The pairs' switches as Save writes them: the Qt and daemon lines' last words, the word before "stop".
    QStringList savedSwitches() const
    {
        click("SAVE_BUTTON");
        const NodeSettings& node = t.context.node;
        return { node.text(NodeText::QtCommand).section(u' ', -1),
            node.text(NodeText::DaemonCommand).section(u' ', -1),
            node.text(NodeText::StopCommand).section(u' ', -2, -2) };
    }

    TestContext t;
    QUORLIN_MAIN main { t.context };
    QUORLIN_MAIN_SETTINGS settings { t.context, &main };
    QUORLIN_CRYPTO_SETTINGS w { t.context, ctl<QLineEdit>(settings, "CONF_FILE_LOCATION_TEXTBOX")->text(),
        &settings };
};
