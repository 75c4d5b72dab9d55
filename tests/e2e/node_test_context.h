#pragma once

#include "core/look.h"
#include "fakes/fake_platform.h"
#include "fakes/find_control.h"
#include "node_control/QUORLIN_MAIN.h"
#include "node_sandbox.h"
#include "platform/client_runner_qprocess.h"
#include "platform/qprocess_program_runner.h"
#include "platform/qsettings_backing.h"
#include "platform/system_platform.h"

#include <QCheckBox>
#include <QtTest>

#include <functional>
#include <memory>

// A window under a real node gets the real settings store (inside the sandbox),
// launcher, process query and program runner; dialogs and stacking, which need a user, are fakes.
struct NodeTestContext {
    NodeSandbox sandbox;
    QSettingsBacking settings { sandbox.settingsRoot() };
    std::unique_ptr<ProcessLauncher> launcher = createSystemProcessLauncher();
    std::unique_ptr<ProcessQuery> processes = createSystemProcessQuery();
    FakeWindowStacking stacking;
    FakeDialogs dialogs;
    QProcessClientRunner clients;
    QProcessProgramRunner programs;
    ExecutableIdentity executable { QStringLiteral("KD-QUORLIN"), sandbox.root() };
    AppContext context { Platform { settings, *launcher, *processes, stacking, dialogs, executable, clients,
        sandbox.settingsRoot() + QStringLiteral("/KD_QUORLIN"), programs } };
};

// Start and stop take about half a second each; this leaves room for a busy machine.
constexpr int kNodeTimeoutMs = 30000;

// The qt, daemon and stop lines the crypto settings window builds for the
// installed programs with every switch unticked: one blank ends each start
// line, two stand before "stop".
inline QStringList nodeCommands(const QString& confPath, const QString& dataFolder)
{
    const QString folder = NodeSandbox::programFolder();
    const QString start = QStringLiteral("\"%1/%2\" -conf=\"%3\" -datadir=\"%4\" ");
    return { start.arg(folder, QStringLiteral("litecoin"), confPath, dataFolder),
        start.arg(folder, QStringLiteral("litecoind"), confPath, dataFolder),
        QStringLiteral("\"%1/litecoin-cli\" -conf=\"%2\"  stop").arg(folder, confPath) };
}

// Stores the keys as the crypto settings window saves them for the installed
// programs, the node reading `conf` and the stop line `cliConf`.
inline void storeNodeKeys(NodeTestContext& t, const QString& conf, const QString& cliConf)
{
    const QStringList commands = nodeCommands(conf, t.sandbox.dataFolder());
    const std::pair<TextKey, QString> stored[] = {
        { keys::kCryptoName, QStringLiteral("Litecoin") },
        { keys::kQtName, QStringLiteral("litecoin") },
        { keys::kCliName, QStringLiteral("litecoin-cli") },
        { keys::kDaemonName, QStringLiteral("litecoind") },
        { keys::kQtCommand, commands[0] },
        { keys::kDaemonCommand, commands[1] },
        { keys::kStopCommand, nodeCommands(cliConf, {})[2] },
    };
    for (const auto& [key, value] : stored)
        t.context.store.write(key, value);
}

inline void press(QAbstractButton* button)
{
    // A tick box reacts where its box is drawn, at its left end.
    const bool tickBox = qobject_cast<QCheckBox*>(button) != nullptr;
    QTest::mouseClick(button, Qt::LeftButton, {}, tickBox ? QPoint(6, button->height() / 2) : QPoint());
}

// Waits for the daemon box to show the node running (green, both start buttons
// locked) or stopped (red, both unlocked).
inline void checkDaemonBox(const QUORLIN_MAIN& w, bool running)
{
    QTRY_COMPARE_WITH_TIMEOUT(ctl<QLineEdit>(w, "PROCESS_TEXTBOX_2")->toolTip(),
        running ? QStringLiteral("litecoind - DAEMON PROCESS RUNNING")
                : QStringLiteral("litecoind - DAEMON PROCESS STOPPED"),
        kNodeTimeoutMs);
    QCOMPARE(ctl<QLineEdit>(w, "PROCESS_TEXTBOX_2")->palette().color(QPalette::Base),
        colourFromBgr(running ? kGreenBgr : kRedBgr));
    QCOMPARE(ctl<QPushButton>(w, "DAEMON_START_BUTTON")->isEnabled(), !running);
    QCOMPARE(ctl<QPushButton>(w, "QT_START_BUTTON")->isEnabled(), !running);
}

// Presses `opener`, lets `steps` work in the modal window it opens, and closes
// that window if a failed check left it open.
template <typename Window> void inWindow(QAbstractButton* opener, const std::function<void(Window&)>& steps)
{
    bool opened = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* window = qobject_cast<Window*>(modal)) {
            opened = true;
            steps(*window);
        }
        if (modal && modal->isVisible())
            modal->close();
    });
    press(opener);
    QVERIFY2(opened, Window::staticMetaObject.className());
}

// Once the node answers RPC, stops it with CLI "STOP" and checks that it and
// everything it started are gone.
inline void stopNode(QUORLIN_MAIN& w, NodeTestContext& t, const QString& confPath)
{
    QTRY_COMPARE_WITH_TIMEOUT(
        t.sandbox.cli({ QStringLiteral("-conf=") + confPath, QStringLiteral("getblockcount") }), 0,
        kNodeTimeoutMs);
    press(ctl<QPushButton>(w, "CLI_STOP_BUTTON"));
    checkDaemonBox(w, false);
    QVERIFY2(t.dialogs.errors.isEmpty(), qPrintable(t.dialogs.errors.join(u'\n')));
    QVERIFY(t.sandbox.processes().isEmpty());
}
