#include "conf_generator/QUORLIN_CONF_GENERATOR_MAIN.h"
#include "conf_generator/QUORLIN_CONF_GENERATOR_TEST_RPC.h"
#include "conf_generator/rpc_test_credentials.h"
#include "core/default_conf_path.h"
#include "core/look.h"
#include "crypto_settings/QUORLIN_CRYPTO_SETTINGS.h"
#include "main_settings/QUORLIN_MAIN_SETTINGS.h"
#include "node_commands.h"
#include "node_control/QUORLIN_MAIN.h"
#include "node_test_context.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

#include <functional>

// Settings made through the windows, as a user makes them, start a real
// Litecoin node on regtest with the main window's DAEMON button and stop it
// with its CLI "STOP" button.
class TestSettingsWindowsNode : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cryptoSettingsWithOwnConfRunTheNode();
    void generatedConfGuardsTheNodesRpc();
};

namespace {

// Start and stop take about half a second each; the limit leaves room for a
// slow, busy machine.
constexpr int kNodeTimeoutMs = 30000;

void press(QAbstractButton* button)
{
    // A tick box reacts where its box is drawn, at its left end.
    const bool tickBox = qobject_cast<QCheckBox*>(button) != nullptr;
    QTest::mouseClick(button, Qt::LeftButton, {}, tickBox ? QPoint(6, button->height() / 2) : QPoint());
}

// Selects what the box holds and types `text` over it.
void retype(QLineEdit* box, const QString& text)
{
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

// Presses `opener`, lets `steps` work in the modal window it opens and closes
// that window if the steps left it open after a failed check.
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

// The programs as a user picks them: folders and files through the pickers,
// the coin's name typed; then Save and Close.
void fillCryptoSettings(QUORLIN_CRYPTO_SETTINGS& window, NodeTestContext& t)
{
    const QString folder = NodeSandbox::programFolder();
    retype(window.CRYPTO_NAME_TEXTBOX, QStringLiteral("Litecoin"));
    t.dialogs.folderAnswers = { t.sandbox.dataFolder(), folder, folder };
    t.dialogs.fileAnswers = { folder + QStringLiteral("/litecoin"), folder + QStringLiteral("/litecoin-cli"),
        folder + QStringLiteral("/litecoind") };
    for (QPushButton* picker : { window.BROWSE_BLOCKCHAIN_FOLDER_BUTTON, window.BROWSE_QT_FOLDER_BUTTON,
             window.BROWSE_DAEMON_FOLDER_BUTTON, window.BROWSE_QT_FILE_BUTTON,
             window.BROWSE_DAEMON_CLI_FILE_BUTTON, window.BROWSE_DAEMOND_FILE_BUTTON })
        press(picker);
    QVERIFY(t.dialogs.folderAnswers.isEmpty() && t.dialogs.fileAnswers.isEmpty());
    QVERIFY(!window.CLI_DAEMON_TICKBOX->isChecked()); // litecoin-cli refuses "-daemon="
    press(window.SAVE_BUTTON);
    press(window.CANCEL_BUTTON);
}

void takeOverPreset9(QUORLIN_CONF_GENERATOR_MAIN& confGenerator)
{
    inWindow<QUORLIN_CONF_GENERATOR_TEST_RPC>(
        confGenerator.KD_RPC_TEST_CREDENTIALS_BUTTON, [](QUORLIN_CONF_GENERATOR_TEST_RPC& credentials) {
            press(credentials.presetButtons()[8]);
            press(credentials.USE_CURRENT_CREDENTIALS_BUTTON);
            press(credentials.CANCEL_BUTTON);
        });
}

void checkCommands(const QUORLIN_MAIN& w, const QString& confPath, const QString& dataFolder)
{
    const NodeCommands expected = nodeCommands(confPath, dataFolder);
    QCOMPARE(w.KD_QT_COMMAND_TEXTBOX, expected.qt);
    QCOMPARE(w.KD_D_COMMAND_TEXTBOX, expected.daemon);
    QCOMPARE(w.KDCLI_STOP_COMMAND_TEXTBOX, expected.stop);
}

// Waits until the daemon's status box shows the node running or stopped.
void checkDaemonBox(const QUORLIN_MAIN& w, bool running)
{
    const QString tip = running ? QStringLiteral("litecoind - DAEMON PROCESS RUNNING")
                                : QStringLiteral("litecoind - DAEMON PROCESS STOPPED");
    QTRY_COMPARE_WITH_TIMEOUT(w.PROCESS_TEXTBOX_2->toolTip(), tip, kNodeTimeoutMs);
    QCOMPARE(
        w.PROCESS_TEXTBOX_2->palette().color(QPalette::Base), colourFromBgr(running ? kGreenBgr : kRedBgr));
}

// The file's active lines: neither blank nor commented out.
QStringList activeLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return { QStringLiteral("cannot read ") + path };
    QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
    lines.removeIf([](const QString& line) { return line.isEmpty() || line.startsWith(u'#'); });
    return lines;
}

// Runs litecoin-cli getblockcount with the node's file and data folder and
// the given credentials; gives its exit code and error output.
std::pair<int, QString> askNode(
    const NodeSandbox& sandbox, const QString& confPath, const QString& user, const QString& password)
{
    QProcess cli;
    cli.start(QStandardPaths::findExecutable(QStringLiteral("litecoin-cli")),
        { QStringLiteral("-conf=") + confPath, QStringLiteral("-datadir=") + sandbox.dataFolder(),
            QStringLiteral("-rpcuser=") + user, QStringLiteral("-rpcpassword=") + password,
            QStringLiteral("getblockcount") });
    if (!cli.waitForFinished(10000) || cli.exitStatus() != QProcess::NormalExit)
        return { -1, QStringLiteral("litecoin-cli did not finish") };
    return { cli.exitCode(), QString::fromUtf8(cli.readAllStandardError()) };
}

} // namespace

void TestSettingsWindowsNode::initTestCase()
{
    if (const QString reason = NodeSandbox::unavailableReason(); !reason.isEmpty())
        QSKIP(qPrintable(QStringLiteral("No real node here: ") + reason));
}

void TestSettingsWindowsNode::cryptoSettingsWithOwnConfRunTheNode()
{
    NodeTestContext t;
    QVERIFY2(t.sandbox.isValid(), qPrintable(t.sandbox.root()));
    QUORLIN_MAIN w(t.context);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    // The crypto settings window takes the own ".conf" file from the main
    // settings window while that is still open, before its OK.
    inWindow<QUORLIN_MAIN_SETTINGS>(w.SETTINGS_BUTTON, [&](QUORLIN_MAIN_SETTINGS& settings) {
        press(settings.USE_OWN_CONF_TICKBOX);
        t.dialogs.fileAnswers = { t.sandbox.confPath() };
        press(settings.CONF_BROWSE_BUTTON);
        inWindow<QUORLIN_CRYPTO_SETTINGS>(settings.CRYPTO_SETTINGS_BUTTON,
            [&](QUORLIN_CRYPTO_SETTINGS& crypto) { fillCryptoSettings(crypto, t); });
        press(settings.OK_BUTTON);
    });
    checkCommands(w, t.sandbox.confPath(), t.sandbox.dataFolder());
    QCOMPARE(w.CRYPTO_NAME_TEXTBOX->text(), QStringLiteral("Litecoin"));

    press(w.DAEMON_START_BUTTON);
    checkDaemonBox(w, true);
    QTRY_VERIFY_WITH_TIMEOUT(t.sandbox.nodeAnswers(), kNodeTimeoutMs);
    press(w.CLI_STOP_BUTTON);
    checkDaemonBox(w, false);
    QVERIFY2(t.dialogs.errors.isEmpty(), qPrintable(t.dialogs.errors.join(u'\n')));
    QVERIFY(t.sandbox.processes().isEmpty());
}

void TestSettingsWindowsNode::generatedConfGuardsTheNodesRpc()
{
    NodeTestContext t;
    QVERIFY2(t.sandbox.isValid(), qPrintable(t.sandbox.root()));
    const QString confPath = defaultConfPath(t.executable);
    QVERIFY(confPath.startsWith(t.sandbox.root()));
    const RpcCredentials& preset = kRpcTestPresets[8];
    const QString user = preset.user.toString();
    QCOMPARE(user, QStringLiteral("IM_ALL_IN"));
    const QString password = preset.password.toString();
    const QString auth = QStringLiteral("rpcauth=") + preset.auth.toString();
    QUORLIN_MAIN w(t.context);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    // Only the rpcauth line of the preset stays; the node, on regtest, takes
    // no port or wallet line at the top of the file.
    inWindow<QUORLIN_MAIN_SETTINGS>(w.SETTINGS_BUTTON, [&](QUORLIN_MAIN_SETTINGS& settings) {
        QCOMPARE(settings.CONF_FILE_LOCATION_TEXTBOX->text(), confPath);
        inWindow<QUORLIN_CONF_GENERATOR_MAIN>(
            settings.CONF_MANAGER_BUTTON, [&](QUORLIN_CONF_GENERATOR_MAIN& confGenerator) {
                press(confGenerator.SERVER_TICKBOX);
                press(confGenerator.RPC_LOCALHOST_TICKBOX);
                takeOverPreset9(confGenerator);
                retype(confGenerator.RPC_USER_TEXTBOX, {});
                retype(confGenerator.RPC_PASSWORD_TEXTBOX, {});
                QTest::keyClicks(confGenerator.USER_DEFINED_SETTINGS_TEXTBOX, QStringLiteral("regtest=1"));
                press(confGenerator.SAVE_BUTTON);
                press(confGenerator.CANCEL_BUTTON);
            });
        inWindow<QUORLIN_CRYPTO_SETTINGS>(settings.CRYPTO_SETTINGS_BUTTON,
            [&](QUORLIN_CRYPTO_SETTINGS& crypto) { fillCryptoSettings(crypto, t); });
        press(settings.OK_BUTTON);
    });
    QCOMPARE(activeLines(confPath),
        QStringList({ QStringLiteral("server=1"), QStringLiteral("rpcallowip=127.0.0.1"), auth,
            QStringLiteral("regtest=1") }));
    checkCommands(w, confPath, t.sandbox.dataFolder());

    press(w.DAEMON_START_BUTTON);
    checkDaemonBox(w, true);
    QTRY_COMPARE_WITH_TIMEOUT(askNode(t.sandbox, confPath, user, password).first, 0, kNodeTimeoutMs);
    const auto [refused, error] = askNode(t.sandbox, confPath, user, password + QStringLiteral("x"));
    QVERIFY(refused != 0);
    QVERIFY2(error.contains(QStringLiteral("Incorrect rpcuser or rpcpassword")), qPrintable(error));

    // With all three lines in the file the client signs in with the user and
    // password it reads there; the node checks them against the rpcauth line
    // it read at its start.
    inWindow<QUORLIN_MAIN_SETTINGS>(w.SETTINGS_BUTTON, [&](QUORLIN_MAIN_SETTINGS& settings) {
        inWindow<QUORLIN_CONF_GENERATOR_MAIN>(
            settings.CONF_MANAGER_BUTTON, [&](QUORLIN_CONF_GENERATOR_MAIN& confGenerator) {
                takeOverPreset9(confGenerator);
                press(confGenerator.SAVE_BUTTON);
                press(confGenerator.CANCEL_BUTTON);
            });
        press(settings.OK_BUTTON);
    });
    QCOMPARE(activeLines(confPath),
        QStringList({ QStringLiteral("server=1"), QStringLiteral("rpcallowip=127.0.0.1"),
            QStringLiteral("rpcuser=") + user, QStringLiteral("rpcpassword=") + password, auth,
            QStringLiteral("regtest=1") }));
    press(w.CLI_STOP_BUTTON);
    checkDaemonBox(w, false);
    QVERIFY2(t.dialogs.errors.isEmpty(), qPrintable(t.dialogs.errors.join(u'\n')));
    QVERIFY(t.sandbox.processes().isEmpty());
}

QTEST_MAIN(TestSettingsWindowsNode)
#include "test_settings_windows_node.moc"
