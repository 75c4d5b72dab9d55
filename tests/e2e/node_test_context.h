#pragma once

#include "core/look.h"
#include "fakes/fake_platform.h"
#include "fakes/find_control.h"
#include "node_control/QUORLIN_MAIN.h"
#include "node_sandbox.h"
#include "platform/process_runner_qprocess.h"
#include "platform/qsettings_backing.h"
#include "platform/system_platform.h"

#include <QtTest>

#include <functional>
#include <memory>

// The real platform inside the sandbox; dialogs and stacking, which need a user, are fakes.
struct NodeTestContext {
    NodeSandbox sandbox;
    QSettingsBacking settings { sandbox.settingsRoot() };
    std::unique_ptr<ProcessLauncher> launcher = createSystemProcessLauncher();
    std::unique_ptr<ProcessQuery> processes = createSystemProcessQuery();
    FakeWindowStacking stacking;
    FakeDialogs dialogs;
    QProcessRunner runner;
    ProgramHelpReader programHelp { runner };
    std::unique_ptr<SecureRandom> random = createSystemSecureRandom();
    ExecutableIdentity executable { QStringLiteral("KD-QUORLIN"), sandbox.root() };
    AppContext context { Platform { settings, *launcher, *processes, stacking, dialogs, executable, runner,
        sandbox.settingsRoot() + QStringLiteral("/KD_QUORLIN"), programHelp, *random } };
};

// Start and stop take about half a second each; this leaves room for a busy machine.
constexpr int kNodeTimeoutMs = 30000;

// The qt, daemon and stop lines the crypto settings window builds with every switch unticked: one blank ends
// each start line, two stand before "stop".
inline QStringList nodeCommands(const QString& confPath, const QString& dataFolder)
{
    const QString folder = NodeSandbox::programFolder();
    const QString start = QStringLiteral("\"%1/%2\" -conf=\"%3\" -datadir=\"%4\" ");
    return { start.arg(folder, QStringLiteral("litecoin"), confPath, dataFolder),
        start.arg(folder, QStringLiteral("litecoind"), confPath, dataFolder),
        QStringLiteral("\"%1/litecoin-cli\" -conf=\"%2\"  stop").arg(folder, confPath) };
}

inline void press(QAbstractButton* button)
{
    // A tick box reacts where its box is drawn, at its left end.
    const bool tickBox = qobject_cast<QCheckBox*>(button) != nullptr;
    QTest::mouseClick(button, Qt::LeftButton, {}, tickBox ? QPoint(6, button->height() / 2) : QPoint());
}

// QtTest's checks leave only the function they fail in. NODE_STEP ends the test at the first failed check in
// a helper and names the step, so it does not go on into further long waits for a node that is not there.
#define NODE_STEP(...)                                                                                       \
    do {                                                                                                     \
        __VA_ARGS__;                                                                                         \
        if (QTest::currentTestFailed()) {                                                                    \
            qWarning("The test stopped at its failed step, %s line %d.", __FILE__, __LINE__);                \
            return;                                                                                          \
        }                                                                                                    \
    } while (false)

// Waits up to `timeoutMs` for `actual` to equal `expected`, then compares them; unlike
// QTRY_COMPARE_WITH_TIMEOUT it does not wait again after a miss.
#define NODE_TRY_COMPARE(actual, expected, timeoutMs)                                                        \
    do {                                                                                                     \
        static_cast<void>(QTest::qWaitFor([&] { return (actual) == (expected); }, timeoutMs));               \
        QCOMPARE(actual, expected);                                                                          \
    } while (false)

// Waits until the daemon runs (or is gone), then for the daemon box to show it: green with both start buttons
// locked, or red with both unlocked. Both are waits for the event, capped generously: on a busy machine the
// node's start and stop and the watcher's ticks can lag by seconds. A daemon that never runs is told with
// what the panel said about it.
inline void checkDaemonBox(const QUORLIN_MAIN& w, const NodeTestContext& t, bool running)
{
    const auto runs = [&] { return !t.sandbox.processes(QStringLiteral("litecoind")).isEmpty(); };
    QVERIFY2(QTest::qWaitFor([&] { return runs() == running; }, kNodeTimeoutMs),
        qPrintable(QStringLiteral("litecoind %1 after %2 s. The panel said: %3")
                       .arg(running ? QStringLiteral("does not run") : QStringLiteral("still runs"))
                       .arg(kNodeTimeoutMs / 1000)
                       .arg(t.dialogs.errors.join(u'\n'))));
    NODE_TRY_COMPARE(ctl<QLineEdit>(w, "PROCESS_TEXTBOX_2")->toolTip(),
        QString("litecoind - DAEMON PROCESS ") + (running ? "RUNNING" : "STOPPED"), kNodeTimeoutMs);
    QCOMPARE(ctl<QLineEdit>(w, "PROCESS_TEXTBOX_2")->palette().color(QPalette::Base),
        colourFromBgr(running ? kGreenBgr : kRedBgr));
    QCOMPARE(ctl<QPushButton>(w, "DAEMON_START_BUTTON")->isEnabled(), !running);
    QCOMPARE(ctl<QPushButton>(w, "QT_START_BUTTON")->isEnabled(), !running);
}

// Presses `opener`, lets `steps` work in the modal it opens, and closes it if a failed check left it open.
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
