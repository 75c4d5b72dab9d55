#include "core/look.h"
#include "node_commands.h"
#include "node_control/QUORLIN_MAIN.h"
#include "node_test_context.h"

#include <QFile>
#include <QtTest>

#include <unistd.h>

// The main window starts a real Litecoin node on regtest with its DAEMON
// button, sees it through the real process query, and stops it with CLI "STOP".
class TestMainWindowNode : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void daemonButtonStartsAndCliButtonStopsTheNode();
};

namespace {

// The node answers RPC about half a second after its start and ends about half
// a second after "stop"; the limits leave room for a slow, busy machine.
constexpr int kNodeTimeoutMs = 30000;

// The keys as the crypto settings window saves them for this node.
void seedCryptoSettings(SettingsStore& store, const NodeSandbox& sandbox)
{
    const NodeCommands commands = nodeCommands(sandbox.confPath(), sandbox.dataFolder());
    const std::pair<const char*, QString> keys[] = {
        { "CRYPTO_NAME_TEXTBOX", QStringLiteral("Litecoin") },
        { "QT_NAME_TEXTBOX", QStringLiteral("litecoin") },
        { "CLI_NAME_TEXTBOX", QStringLiteral("litecoin-cli") },
        { "DAEMON_NAME_TEXTBOX", QStringLiteral("litecoind") },
        { "KD_QT_COMMAND_TEXTBOX", commands.qt },
        { "KD_D_COMMAND_TEXTBOX", commands.daemon },
        { "KDCLI_STOP_COMMAND_TEXTBOX", commands.stop },
    };
    for (const auto& [key, value] : keys)
        store.writeText(QLatin1String(key), value);
}

QColor background(const QLineEdit* box)
{
    return box->palette().color(QPalette::Base);
}

// A hidden program has no terminal: its standard streams are the null device
// and it leads a session of its own.
bool runsWithoutTerminal(pid_t pid)
{
    for (int fd = 0; fd <= 2; ++fd) {
        if (QFile::symLinkTarget(QStringLiteral("/proc/%1/fd/%2").arg(pid).arg(fd))
            != QLatin1String("/dev/null"))
            return false;
    }
    return ::getsid(pid) != ::getsid(0);
}

} // namespace

void TestMainWindowNode::initTestCase()
{
    if (const QString reason = NodeSandbox::unavailableReason(); !reason.isEmpty())
        QSKIP(qPrintable(QStringLiteral("No real node here: ") + reason));
}

void TestMainWindowNode::daemonButtonStartsAndCliButtonStopsTheNode()
{
    NodeTestContext t;
    QVERIFY2(t.sandbox.isValid(), qPrintable(t.sandbox.root()));
    seedCryptoSettings(t.context.store, t.sandbox);

    QUORLIN_MAIN w(t.context);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.windowTitle(), QStringLiteral("QUORLIN - Litecoin"));

    const QColor green = colourFromBgr(kGreenBgr);
    const QColor red = colourFromBgr(kRedBgr);
    QTRY_COMPARE(w.PROCESS_TEXTBOX_2->toolTip(), QStringLiteral("litecoind - DAEMON PROCESS STOPPED"));
    QCOMPARE(background(w.PROCESS_TEXTBOX_2), red);
    QVERIFY(w.DAEMON_START_BUTTON->isEnabled());
    QVERIFY(w.QT_START_BUTTON->isEnabled());

    QTest::mouseClick(w.DAEMON_START_BUTTON, Qt::LeftButton);
    QVERIFY2(t.dialogs.errors.isEmpty(), qPrintable(t.dialogs.errors.join(u'\n')));
    QTRY_COMPARE_WITH_TIMEOUT(
        w.PROCESS_TEXTBOX_2->toolTip(), QStringLiteral("litecoind - DAEMON PROCESS RUNNING"), kNodeTimeoutMs);
    QCOMPARE(background(w.PROCESS_TEXTBOX_2), green);
    QVERIFY(!w.DAEMON_START_BUTTON->isEnabled());
    QVERIFY(!w.QT_START_BUTTON->isEnabled());
    QCOMPARE(w.PROCESS_TEXTBOX_1->toolTip(), QStringLiteral("litecoin - QT PROCESS STOPPED"));

    const QList<pid_t> node = t.sandbox.processes();
    QCOMPARE(node.size(), 1);
    QVERIFY(runsWithoutTerminal(node.first()));
    QTRY_VERIFY_WITH_TIMEOUT(t.sandbox.nodeAnswers(), kNodeTimeoutMs);

    QTest::mouseClick(w.CLI_STOP_BUTTON, Qt::LeftButton);
    QVERIFY2(t.dialogs.errors.isEmpty(), qPrintable(t.dialogs.errors.join(u'\n')));
    QTRY_COMPARE_WITH_TIMEOUT(
        w.PROCESS_TEXTBOX_2->toolTip(), QStringLiteral("litecoind - DAEMON PROCESS STOPPED"), kNodeTimeoutMs);
    QCOMPARE(background(w.PROCESS_TEXTBOX_2), red);
    QVERIFY(w.DAEMON_START_BUTTON->isEnabled());
    QVERIFY(w.QT_START_BUTTON->isEnabled());
    QTRY_COMPARE(w.PROCESS_TEXTBOX_3->toolTip(), QStringLiteral("litecoin-cli - CLI PROCESS STOPPED"));
    QCOMPARE(background(w.PROCESS_TEXTBOX_3), red);
    QVERIFY(w.CLI_STOP_BUTTON->isEnabled());
    QVERIFY(t.sandbox.processes().isEmpty());
}

QTEST_MAIN(TestMainWindowNode)
#include "test_main_window_node.moc"
