#include "conf_generator/QUORLIN_CONF_GENERATOR_IDS.h"
#include "conf_generator/QUORLIN_CONF_GENERATOR_MAIN.h"
#include "conf_generator/QUORLIN_CONF_GENERATOR_TEST_RPC.h"
#include "conf_generator/rpc_test_credentials.h"
#include "core/default_conf_path.h"
#include "core/multi_line_box.h"
#include "crypto_settings/QUORLIN_CRYPTO_SETTINGS.h"
#include "fakes/find_control.h"
#include "main_settings/QUORLIN_MAIN_SETTINGS.h"
#include "node_test_context.h"

namespace {

// Selects what the box holds and types `text` over it.
void retype(QLineEdit* box, const QString& text)
{
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

// The programs as a user picks them: folders and files through the pickers,
// the coin's name typed; then Save and Close.
void fillCryptoSettings(QUORLIN_MAIN_SETTINGS& settings, NodeTestContext& t)
{
    inWindow<QUORLIN_CRYPTO_SETTINGS>(
        ctl<QPushButton>(settings, "CRYPTO_SETTINGS_BUTTON"), [&](QUORLIN_CRYPTO_SETTINGS& window) {
            const QString folder = NodeSandbox::programFolder();
            retype(ctl<QLineEdit>(window, "CRYPTO_NAME_TEXTBOX"), QStringLiteral("Litecoin"));
            t.dialogs.folderAnswers = { t.sandbox.dataFolder(), folder, folder };
            t.dialogs.fileAnswers = { folder + QStringLiteral("/litecoin"),
                folder + QStringLiteral("/litecoin-cli"), folder + QStringLiteral("/litecoind") };
            for (QPushButton* picker : { ctl<QPushButton>(window, "BROWSE_BLOCKCHAIN_FOLDER_BUTTON"),
                     ctl<QPushButton>(window, "BROWSE_QT_FOLDER_BUTTON"),
                     ctl<QPushButton>(window, "BROWSE_DAEMON_FOLDER_BUTTON"),
                     ctl<QPushButton>(window, "BROWSE_QT_FILE_BUTTON"),
                     ctl<QPushButton>(window, "BROWSE_DAEMON_CLI_FILE_BUTTON"),
                     ctl<QPushButton>(window, "BROWSE_DAEMOND_FILE_BUTTON") })
                press(picker);
            QVERIFY(t.dialogs.folderAnswers.isEmpty() && t.dialogs.fileAnswers.isEmpty());
            QVERIFY(!ctl<QCheckBox>(window, "CLI_DAEMON_TICKBOX")
                         ->isChecked()); // litecoin-cli refuses "-daemon="
            press(ctl<QPushButton>(window, "SAVE_BUTTON"));
            press(ctl<QPushButton>(window, "CANCEL_BUTTON"));
        });
}

// Saves a .conf with credentials preset 9 taken over. The first time also
// turns server and RPC localhost on, clears the user and password fields (only
// the rpcauth line stays) and adds "regtest=1"; the node, on regtest, takes no
// port or wallet line at the top of the file.
void savePreset9(QUORLIN_MAIN_SETTINGS& settings, bool firstTime)
{
    inWindow<QUORLIN_CONF_GENERATOR_MAIN>(
        ctl<QPushButton>(settings, "CONF_MANAGER_BUTTON"), [&](QUORLIN_CONF_GENERATOR_MAIN& g) {
            if (firstTime) {
                press(ctl<QCheckBox>(g, "SERVER_TICKBOX"));
                press(ctl<QCheckBox>(g, "RPC_LOCALHOST_TICKBOX"));
            }
            inWindow<QUORLIN_CONF_GENERATOR_TEST_RPC>(ctl<QPushButton>(g, "KD_RPC_TEST_CREDENTIALS_BUTTON"),
                [](QUORLIN_CONF_GENERATOR_TEST_RPC& credentials) {
                    press(credentials.presetButtons()[8]);
                    press(ctl<QPushButton>(credentials, "USE_CURRENT_CREDENTIALS_BUTTON"));
                    press(ctl<QPushButton>(credentials, "CANCEL_BUTTON"));
                });
            if (firstTime) {
                retype(ctl<QLineEdit>(g, "RPC_USER_TEXTBOX"), {});
                retype(ctl<QLineEdit>(g, "RPC_PASSWORD_TEXTBOX"), {});
                QTest::keyClicks(
                    ctl<MultiLineBox>(g, "USER_DEFINED_SETTINGS_TEXTBOX"), QStringLiteral("regtest=1"));
            }
            press(ctl<QPushButton>(g, "SAVE_BUTTON"));
            press(ctl<QPushButton>(g, "CANCEL_BUTTON"));
        });
}

// Basic settings with Litecoin's ports, fresh credentials of which only the
// rpcauth line stays, and "regtest=1" in the user-defined block.
QStringList fillForRegtest(QUORLIN_CONF_GENERATOR_MAIN& g)
{
    inWindow<QUORLIN_CONF_GENERATOR_IDS>(
        ctl<QPushButton>(g, "IDS_BUTTON"), [](QUORLIN_CONF_GENERATOR_IDS& presets) {
            press(ctl<QCheckBox>(presets, "IMPORT_SETTINGS_TICKBOX"));
            press(ctl<QPushButton>(presets, "LTC_IMPORT_BUTTON"));
            press(ctl<QCheckBox>(presets, "IMPORT_SETTINGS_TICKBOX"));
            press(ctl<QPushButton>(presets, "BASIC_SETTINGS_BUTTON"));
            press(ctl<QPushButton>(presets, "CANCEL_BUTTON"));
        });
    QStringList generated;
    inWindow<QUORLIN_CONF_GENERATOR_TEST_RPC>(ctl<QPushButton>(g, "KD_RPC_TEST_CREDENTIALS_BUTTON"),
        [&](QUORLIN_CONF_GENERATOR_TEST_RPC& credentials) {
            press(ctl<QPushButton>(credentials, "NEW_SECURE_CREDENTIALS_BUTTON"));
            generated = { ctl<QLineEdit>(credentials, "RPC_USER_TEXTBOX")->text(),
                ctl<MultiLineBox>(credentials, "RPC_PASSWORD_TEXTBOX")->text() };
            press(ctl<QPushButton>(credentials, "USE_CURRENT_CREDENTIALS_BUTTON"));
            press(ctl<QPushButton>(credentials, "CANCEL_BUTTON"));
        });
    retype(ctl<QLineEdit>(g, "RPC_USER_TEXTBOX"), {});
    retype(ctl<QLineEdit>(g, "RPC_PASSWORD_TEXTBOX"), {});
    QTest::keyClicks(ctl<MultiLineBox>(g, "USER_DEFINED_SETTINGS_TEXTBOX"), QStringLiteral("regtest=1"));
    return generated;
}

QStringList commandsOf(const QUORLIN_MAIN& w)
{
    return { w.KD_QT_COMMAND_TEXTBOX(), w.KD_D_COMMAND_TEXTBOX(), w.KDCLI_STOP_COMMAND_TEXTBOX() };
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable");
}

// The file's active lines: neither blank nor commented out.
QStringList activeLines(const QString& path)
{
    QStringList lines = QString::fromUtf8(readBytes(path)).split(QStringLiteral("\r\n"));
    lines.removeIf([](const QString& line) { return line.isEmpty() || line.startsWith(u'#'); });
    return lines;
}

} // namespace

// Settings made through the windows, as a user makes them, start and stop a
// real Litecoin node on regtest from the main window.
class TestSettingsWindowsNode : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (const QString reason = NodeSandbox::unavailableReason(); !reason.isEmpty())
            QSKIP(qPrintable(QStringLiteral("No real node here: ") + reason));
    }

    void cryptoSettingsWithOwnConfRunTheNode()
    {
        NodeTestContext t;
        QVERIFY2(t.sandbox.isValid(), qPrintable(t.sandbox.root()));
        QUORLIN_MAIN w(t.context);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        // The crypto settings window takes the own ".conf" file from the main
        // settings window while that is still open, before its OK.
        NODE_STEP(inWindow<QUORLIN_MAIN_SETTINGS>(
            ctl<QPushButton>(w, "SETTINGS_BUTTON"), [&](QUORLIN_MAIN_SETTINGS& settings) {
                press(ctl<QCheckBox>(settings, "USE_OWN_CONF_TICKBOX"));
                t.dialogs.fileAnswers = { t.sandbox.confPath() };
                press(ctl<QPushButton>(settings, "CONF_BROWSE_BUTTON"));
                NODE_STEP(fillCryptoSettings(settings, t));
                press(ctl<QPushButton>(settings, "OK_BUTTON"));
            }));
        QCOMPARE(commandsOf(w), nodeCommands(t.sandbox.confPath(), t.sandbox.dataFolder()));
        QCOMPARE(ctl<QLineEdit>(w, "CRYPTO_NAME_TEXTBOX")->text(), QStringLiteral("Litecoin"));

        NODE_STEP(checkDaemonBox(w, t.sandbox, false));
        press(ctl<QPushButton>(w, "DAEMON_START_BUTTON"));
        NODE_STEP(checkDaemonBox(w, t.sandbox, true));
        NODE_STEP(stopNode(w, t, t.sandbox.confPath()));
    }

    void generatedConfGuardsTheNodesRpc()
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

        NODE_STEP(inWindow<QUORLIN_MAIN_SETTINGS>(
            ctl<QPushButton>(w, "SETTINGS_BUTTON"), [&](QUORLIN_MAIN_SETTINGS& settings) {
                QCOMPARE(ctl<QLineEdit>(settings, "CONF_FILE_LOCATION_TEXTBOX")->text(), confPath);
                NODE_STEP(savePreset9(settings, true));
                NODE_STEP(fillCryptoSettings(settings, t));
                press(ctl<QPushButton>(settings, "OK_BUTTON"));
            }));
        const QString server = QStringLiteral("server=1"), local = QStringLiteral("rpcallowip=127.0.0.1");
        QCOMPARE(activeLines(confPath), QStringList({ server, local, auth, QStringLiteral("regtest=1") }));
        QCOMPARE(commandsOf(w), nodeCommands(confPath, t.sandbox.dataFolder()));

        NODE_STEP(checkDaemonBox(w, t.sandbox, false));
        press(ctl<QPushButton>(w, "DAEMON_START_BUTTON"));
        NODE_STEP(checkDaemonBox(w, t.sandbox, true));
        // A node with only the preset's rpcauth line takes its password.
        NODE_TRY_COMPARE(
            t.sandbox.cli({ QStringLiteral("-conf=") + confPath, QStringLiteral("-rpcuser=") + user,
                QStringLiteral("-rpcpassword=") + password, QStringLiteral("getblockcount") }),
            0, kNodeTimeoutMs);

        // Now the client signs in with the file's user and password; the node
        // knows only the rpcauth line it read at its start.
        NODE_STEP(inWindow<QUORLIN_MAIN_SETTINGS>(
            ctl<QPushButton>(w, "SETTINGS_BUTTON"), [&](QUORLIN_MAIN_SETTINGS& settings) {
                NODE_STEP(savePreset9(settings, false));
                press(ctl<QPushButton>(settings, "OK_BUTTON"));
            }));
        QCOMPARE(activeLines(confPath),
            QStringList({ server, local, QStringLiteral("rpcuser=") + user,
                QStringLiteral("rpcpassword=") + password, auth, QStringLiteral("regtest=1") }));
        NODE_STEP(stopNode(w, t, confPath));
    }

    // The node's own help names what it ignores; on regtest it refuses the
    // per-network lines at the top. Fresh credentials sign in.
    void confCheckedAgainstTheNode()
    {
        NodeTestContext t;
        QVERIFY2(t.sandbox.isValid(), qPrintable(t.sandbox.root()));
        const QString confPath = defaultConfPath(t.executable);
        QFile previous(confPath);
        QVERIFY(previous.open(QIODevice::WriteOnly) && previous.write("previous\r\n") == 10);
        previous.close();
        QUORLIN_MAIN w(t.context);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        const QString ignored = QStringLiteral(": the node ignores it (not among its options)");
        const QString refused
            = QStringLiteral(": the node refuses to start (on this chain only in [regtest])");
        const QString checked = QStringLiteral("Checked against %1/litecoind (Litecoin Core version v")
                                    .arg(NodeSandbox::programFolder());
        QStringList generated;
        NODE_STEP(inWindow<QUORLIN_MAIN_SETTINGS>(
            ctl<QPushButton>(w, "SETTINGS_BUTTON"), [&](QUORLIN_MAIN_SETTINGS& settings) {
                NODE_STEP(fillCryptoSettings(settings, t));
                NODE_STEP(inWindow<QUORLIN_CONF_GENERATOR_MAIN>(
                    ctl<QPushButton>(settings, "CONF_MANAGER_BUTTON"), [&](QUORLIN_CONF_GENERATOR_MAIN& g) {
                        generated = fillForRegtest(g);
                        press(ctl<QPushButton>(g, "SAVE_BUTTON")); // answered "Go back"
                        QCOMPARE(t.dialogs.questions.size(), 1);
                        const QStringList lines = t.dialogs.questions[0].split(u'\n');
                        QCOMPARE(lines.mid(3, 6),
                            QStringList({ "Line 2, wallet" + refused, "Line 5, alerts" + ignored,
                                "Line 10, allowip" + ignored, "Line 13, rpctimeout" + ignored,
                                "Line 15, port" + refused, "Line 16, rpcport" + refused }));
                        QVERIFY2(lines.value(10).startsWith(checked), qPrintable(lines.value(10)));
                        QCOMPARE(readBytes(confPath), QByteArray("previous\r\n"));

                        for (QLineEdit* box : { ctl<QLineEdit>(g, "WALLET_FILE_TEXTBOX"),
                                 ctl<QLineEdit>(g, "PEER_PORT_TEXTBOX"),
                                 ctl<QLineEdit>(g, "RPC_PORT_TEXTBOX") })
                            retype(box, {});
                        for (const char* line :
                            { "[regtest]", "port=9333", "rpcport=9332", "wallet=wallet.dat" }) {
                            QTest::keyClick(ctl<MultiLineBox>(g, "USER_DEFINED_SETTINGS_TEXTBOX"),
                                Qt::Key_Return, Qt::ControlModifier);
                            QTest::keyClicks(ctl<MultiLineBox>(g, "USER_DEFINED_SETTINGS_TEXTBOX"),
                                QString::fromLatin1(line));
                        }
                        t.dialogs.proceedAnswers = { true };
                        press(ctl<QPushButton>(g, "SAVE_BUTTON"));
                        QCOMPARE(t.dialogs.questions.size(), 2);
                        QCOMPARE(t.dialogs.questions[1].split(u'\n').mid(3, 4),
                            QStringList({ "Line 5, alerts" + ignored, "Line 10, allowip" + ignored,
                                "Line 13, rpctimeout" + ignored, QString() }));
                        press(ctl<QPushButton>(g, "CANCEL_BUTTON"));
                    }));
                press(ctl<QPushButton>(settings, "OK_BUTTON"));
            }));
        QCOMPARE(generated.size(), 2);
        QVERIFY(readBytes(confPath).contains("\r\nregtest=1\r\n[regtest]\r\nport=9333\r\n"));

        // The watcher may have seen the daemon answer its help while SAVE waited.
        NODE_STEP(checkDaemonBox(w, t.sandbox, false));
        press(ctl<QPushButton>(w, "DAEMON_START_BUTTON"));
        NODE_STEP(checkDaemonBox(w, t.sandbox, true));
        const auto ask = [&](const QString& secret, const QString& command, QString* error = nullptr) {
            return t.sandbox.cli(
                { QStringLiteral("-conf=") + confPath, QStringLiteral("-rpcuser=") + generated[0],
                    QStringLiteral("-rpcpassword=") + secret, command },
                error);
        };
        const QString count = QStringLiteral("getblockcount");
        NODE_TRY_COMPARE(ask(generated[1], count), 0, kNodeTimeoutMs);
        QString error;
        QVERIFY(ask(generated[1] + QStringLiteral("x"), count, &error) != 0);
        QVERIFY2(error.contains(QStringLiteral("Incorrect rpcuser or rpcpassword")), qPrintable(error));
        // The stop command line has no credentials for a node that knows only rpcauth.
        QCOMPARE(ask(generated[1], QStringLiteral("stop")), 0);
        NODE_STEP(checkDaemonBox(w, t.sandbox, false));
        QVERIFY2(t.dialogs.errors.isEmpty(), qPrintable(t.dialogs.errors.join(u'\n')));
        NODE_TRY_COMPARE(t.sandbox.processes().isEmpty(), true, kNodeTimeoutMs);
    }
};

QTEST_MAIN(TestSettingsWindowsNode)
#include "test_settings_windows_node.moc"
