#include "conf_generator/QUORLIN_CONF_GENERATOR_IDS.h"
#include "conf_generator/QUORLIN_CONF_GENERATOR_MAIN.h"
#include "conf_generator/QUORLIN_CONF_GENERATOR_TEST_RPC.h"
#include "conf_generator/save_check.h"
#include "core/default_conf_path.h"
#include "core/multi_line_box.h"
#include "crypto_settings/QUORLIN_CRYPTO_SETTINGS.h"
#include "main_settings/QUORLIN_MAIN_SETTINGS.h"
#include "node_control/QUORLIN_NODE_STATUS.h"
#include "node_test_context.h"

using namespace Qt::StringLiterals;

// Settings made through the windows, as a user makes them, start, watch and stop a real Litecoin node on
// regtest. Figures are printed, never asserted tighter than the promised limits.
namespace {

void retype(QLineEdit* box, const QString& text)
{
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

QString label(const QWidget& window, const char* name)
{
    return ctl<QLabel>(window, name)->text();
}

} // namespace

class TestNode : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (const QString reason = NodeSandbox::unavailableReason(); !reason.isEmpty())
            QSKIP(qPrintable(u"No real node here: "_s + reason));
    }

    // The crypto settings window takes the own ".conf" file from the main settings window while that is still
    // open. The node's own help names what it ignores; on regtest it refuses the per-network lines at the
    // top, not those in [regtest]. Fresh credentials sign in by their rpcauth line, a wrong password does
    // not. The node status window shows 0 blocks, then 3 mined blocks at a later refresh (how long that took
    // is printed, not asserted). CLI STOP stops the node and all it started.
    void nodeSetUpWatchedAndStopped()
    {
        NodeTestContext t;
        QVERIFY2(t.sandbox.isValid(), qPrintable(t.sandbox.root()));
        const QString confPath = defaultConfPath(t.executable); // where the generator saves
        QUORLIN_MAIN w(t.context);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        NODE_STEP(inWindow<QUORLIN_MAIN_SETTINGS>(
            ctl<QPushButton>(w, "SETTINGS_BUTTON"), [&](QUORLIN_MAIN_SETTINGS& settings) {
                press(ctl<QCheckBox>(settings, "USE_OWN_CONF_TICKBOX"));
                t.dialogs.fileAnswers = { confPath };
                press(ctl<QPushButton>(settings, "CONF_BROWSE_BUTTON"));
                // The programs as a user picks them, the coin's name typed; then Save and Close.
                NODE_STEP(
                    inWindow<QUORLIN_CRYPTO_SETTINGS>(ctl<QPushButton>(settings, "CRYPTO_SETTINGS_BUTTON"),
                        [&](QUORLIN_CRYPTO_SETTINGS& crypto) {
                            const QString folder = NodeSandbox::programFolder();
                            retype(ctl<QLineEdit>(crypto, "CRYPTO_NAME_TEXTBOX"), u"Litecoin"_s);
                            t.dialogs.folderAnswers = { t.sandbox.dataFolder(), folder, folder };
                            t.dialogs.fileAnswers = { folder + u"/litecoin"_s, folder + u"/litecoin-cli"_s,
                                folder + u"/litecoind"_s };
                            for (const char* button : { "BROWSE_BLOCKCHAIN_FOLDER_BUTTON",
                                     "BROWSE_QT_FOLDER_BUTTON", "BROWSE_DAEMON_FOLDER_BUTTON",
                                     "BROWSE_QT_FILE_BUTTON", "BROWSE_DAEMON_CLI_FILE_BUTTON",
                                     "BROWSE_DAEMOND_FILE_BUTTON", "SAVE_BUTTON", "CANCEL_BUTTON" })
                                press(ctl<QPushButton>(crypto, button));
                        }));
                press(ctl<QPushButton>(settings, "OK_BUTTON"));
            }));
        QCOMPARE((QStringList {
                     w.KD_QT_COMMAND_TEXTBOX(), w.KD_D_COMMAND_TEXTBOX(), w.KDCLI_STOP_COMMAND_TEXTBOX() }),
            nodeCommands(confPath, t.sandbox.dataFolder()));

        QUORLIN_CONF_GENERATOR_MAIN g(t.context, &w);
        g.show();
        // Litecoin's basic settings, new credentials whose password only the rpcauth line knows, and regtest.
        NODE_STEP(inWindow<QUORLIN_CONF_GENERATOR_IDS>(
            ctl<QPushButton>(g, "IDS_BUTTON"), [](QUORLIN_CONF_GENERATOR_IDS& presets) {
                for (const char* button : { "IMPORT_SETTINGS_TICKBOX", "LTC_IMPORT_BUTTON",
                         "IMPORT_SETTINGS_TICKBOX", "BASIC_SETTINGS_BUTTON", "CANCEL_BUTTON" })
                    press(presets.findChild<QAbstractButton*>(button));
            }));
        QStringList generated;
        NODE_STEP(
            inWindow<QUORLIN_CONF_GENERATOR_TEST_RPC>(ctl<QPushButton>(g, "KD_RPC_TEST_CREDENTIALS_BUTTON"),
                [&](QUORLIN_CONF_GENERATOR_TEST_RPC& credentials) {
                    press(ctl<QPushButton>(credentials, "NEW_SECURE_CREDENTIALS_BUTTON"));
                    generated = { ctl<QLineEdit>(credentials, "RPC_USER_TEXTBOX")->text(),
                        ctl<MultiLineBox>(credentials, "RPC_PASSWORD_TEXTBOX")->text() };
                    press(ctl<QPushButton>(credentials, "USE_CURRENT_CREDENTIALS_BUTTON"));
                    press(ctl<QPushButton>(credentials, "CANCEL_BUTTON"));
                }));
        retype(ctl<QLineEdit>(g, "RPC_PASSWORD_TEXTBOX"), u"plain"_s);
        auto* block = ctl<MultiLineBox>(g, "USER_DEFINED_SETTINGS_TEXTBOX");
        QTest::keyClicks(block, u"regtest=1"_s);
        press(ctl<QPushButton>(g, "SAVE_BUTTON")); // answered "Go back" once the daemon has answered
        QTRY_COMPARE_WITH_TIMEOUT(t.dialogs.questions.size(), 1, kNodeTimeoutMs);
        const QString ignored = u": the node ignores it (not among its options)"_s;
        const QString refused
            = u": the node refuses to start, because on regtest this line belongs in a [regtest] section"_s;
        const QStringList lines = t.dialogs.questions.value(0).split(u'\n');
        QCOMPARE(lines.mid(3, 8),
            QStringList({ "Line 2, wallet" + refused, "Line 15, port" + refused, "Line 16, rpcport" + refused,
                "", "Also worth knowing (these alone do not stop SAVE):", "Line 5, alerts" + ignored,
                "Line 10, allowip" + ignored, "Line 13, rpctimeout" + ignored }));
        QVERIFY2(lines.value(12).startsWith(u"Checked against %1/litecoind (Litecoin Core version v"_s.arg(
                     NodeSandbox::programFolder())),
            qPrintable(lines.value(12)));
        for (const char* box : { "WALLET_FILE_TEXTBOX", "PEER_PORT_TEXTBOX", "RPC_PORT_TEXTBOX" })
            retype(ctl<QLineEdit>(g, box), {});
        for (const char* line : { "[regtest]", "port=9333", "rpcport=9332", "wallet=wallet.dat" }) {
            QTest::keyClick(block, Qt::Key_Return, Qt::ControlModifier);
            QTest::keyClicks(block, QString::fromLatin1(line));
        }
        press(ctl<QPushButton>(g, "SAVE_BUTTON")); // the ignored lines alone do not stop SAVE
        QTRY_COMPARE_WITH_TIMEOUT(ctl<QPushButton>(g, "CANCEL_BUTTON")->text(), u"Close"_s, kNodeTimeoutMs);
        QCOMPARE(t.dialogs.questions.size(), 1);

        QTest::mouseDClick(ctl<QLineEdit>(w, "PROCESS_TEXTBOX_2"), Qt::LeftButton);
        const QUORLIN_NODE_STATUS& status = *w.findChild<QUORLIN_NODE_STATUS*>();
        QVERIFY(ctl<QPushButton>(w, "DAEMON_START_BUTTON")->isEnabled()); // or the press is lost
        press(ctl<QPushButton>(w, "DAEMON_START_BUTTON"));
        NODE_STEP(checkDaemonBox(w, t, true));
        const auto ask = [&](const QString& secret, QString* error = nullptr) {
            return t.sandbox.cli({ u"-conf="_s + confPath, u"-rpcuser="_s + generated[0],
                                     u"-rpcpassword="_s + secret, u"getblockcount"_s },
                error);
        };
        NODE_TRY_COMPARE(ask(generated[1]), 0, kNodeTimeoutMs);
        QString error;
        QVERIFY2(
            ask(generated[1] + u"x"_s, &error) != 0 && error.contains(u"Incorrect rpcuser or rpcpassword"_s),
            qPrintable(error));

        NODE_TRY_COMPARE(label(status, "STATE_LABEL"), u"answering"_s, kNodeTimeoutMs);
        QCOMPARE((QStringList { label(status, "CHAIN_LABEL"), label(status, "BLOCKS_LABEL"),
                     label(status, "PEERS_LABEL") }),
            QStringList({ u"regtest"_s, u"0"_s, u"0 (in 0, out 0)"_s }));
        QVERIFY2(label(status, "VERSION_LABEL").contains(u"/LitecoinCore:0."_s),
            qPrintable(label(status, "VERSION_LABEL")));
        QElapsedTimer mined;
        mined.start();
        QCOMPARE(
            t.sandbox.cli({ u"-conf="_s + confPath, u"generatetodescriptor"_s, u"3"_s, u"raw(51)"_s }), 0);
        NODE_TRY_COMPARE(label(status, "BLOCKS_LABEL"), u"3"_s, kNodeTimeoutMs);
        qInfo("3 mined blocks shown after %lld ms", qint64(mined.elapsed()));

        // The status window's client calls may lock the stop button while they run.
        press(ctl<QPushButton>(status, "CLOSE_BUTTON"));
        NODE_TRY_COMPARE(ctl<QPushButton>(w, "CLI_STOP_BUTTON")->isEnabled(), true, kNodeTimeoutMs);
        press(ctl<QPushButton>(w, "CLI_STOP_BUTTON"));
        NODE_STEP(checkDaemonBox(w, t, false));
        QVERIFY2(t.dialogs.errors.isEmpty(), qPrintable(t.dialogs.errors.join(u'\n')));
        NODE_TRY_COMPARE(t.sandbox.processes().isEmpty(), true, kNodeTimeoutMs);
    }

    // A port line at the top of a regtest .conf: the node refuses to start and the panel quotes its reason
    // within 15 s; a typed password is masked.
    void refusedStartIsTold()
    {
        NodeTestContext t;
        QFile conf(t.sandbox.confPath());
        QVERIFY(conf.open(QIODevice::Append) && conf.write("port=19999\n") > 0);
        conf.close();
        t.context.store.write(NodeSettings::key(NodeText::DaemonName), u"litecoind"_s);
        t.context.store.write(NodeSettings::key(NodeText::DaemonCommand),
            nodeCommands(conf.fileName(), t.sandbox.dataFolder())[1] + u"-rpcpassword=typed"_s);
        QUORLIN_MAIN w(t.context);
        QElapsedTimer told;
        told.start();
        press(ctl<QPushButton>(w, "DAEMON_START_BUTTON"));
        NODE_TRY_COMPARE(t.dialogs.errors.size(), 1, 15000);
        qInfo("refused start told after %lld ms", qint64(told.elapsed()));
        const QString message = t.dialogs.errors.first();
        QVERIFY2(message.contains(u"litecoind stopped ")
                && message.contains(
                    u"-rpcpassword=***\nError: Config setting for -port only applied on regtest "
                    "network when in [regtest] section"),
            qPrintable(message));
    }

    // The check before SAVE stops exactly where the node refuses to start: a "#" on a password line, a user
    // agent comment outside the node's safe characters. The node names the reason; with the lines the check
    // passes it starts and answers.
    void confCheckAgreesWithNode_data()
    {
        QTest::addColumn<QByteArray>("lines"); // added to the sandbox's .conf
        QTest::addColumn<QString>("refusal"); // in the node's words; empty where it starts
        QTest::newRow("# on a password line")
            << QByteArray("rpcpassword=secret # mine\n") << u"using # in rpcpassword can be ambiguous"_s;
        QTest::newRow("brackets in a comment") << QByteArray("uacomment=my node (home)\n")
                                               << u"User Agent comment (my node (home)) contains unsafe"_s;
        QTest::newRow("NUL in a comment")
            << QByteArray("uacomment=a\0b\n", 14) << u"contains unsafe characters"_s;
        QTest::newRow("non-ASCII comment")
            << QByteArray("uacomment=\xc3\xbf\n") << u"User Agent comment (\u00ff) contains unsafe"_s;
        QTest::newRow("safe and cleared comments")
            << QByteArray("uacomment=my node, home_1.2;-?@\nuacomment=(x)\nnouacomment=1\nuacomment=ok\n")
            << QString();
    }

    void confCheckAgreesWithNode()
    {
        QFETCH(QByteArray, lines);
        QFETCH(QString, refusal);
        NodeSandbox sandbox;
        QFile conf(sandbox.confPath());
        QVERIFY(conf.open(QIODevice::ReadWrite | QIODevice::Append) && conf.write(lines) == lines.size());
        QVERIFY(conf.seek(0));
        const QString text = QString::fromUtf8(conf.readAll());
        conf.close();
        QProcessRunner runner;
        ProgramHelpReader help(runner);
        const QString daemon = NodeSandbox::programFolder() + u"/litecoind"_s;
        std::optional<SaveCheck> answered;
        checkBeforeSave(help, CommandLine(daemon), text, &runner, [&](const SaveCheck& a) { answered = a; });
        QTRY_VERIFY_WITH_TIMEOUT(answered, kNodeTimeoutMs);
        const SaveCheck check = *answered;
        QVERIFY2(check.source.startsWith(u"Checked against"_s), qPrintable(check.source));
        QCOMPARE(stopsSave(check), !refusal.isEmpty());

        QProcess node;
        node.setProcessChannelMode(QProcess::MergedChannels);
        node.start(daemon, { u"-conf="_s + conf.fileName(), u"-datadir="_s + sandbox.dataFolder() });
        const auto answers = [&] {
            return sandbox.cli({ u"-conf="_s + conf.fileName(), u"getblockcount"_s }) == 0;
        };
        QVERIFY(QTest::qWaitFor(
            [&] { return node.state() == QProcess::NotRunning || answers(); }, kNodeTimeoutMs));
        const QString said = QString::fromUtf8(node.readAll());
        if (!refusal.isEmpty()) {
            QVERIFY2(node.state() == QProcess::NotRunning && node.exitCode() != 0 && said.contains(refusal),
                qPrintable(said));
            return;
        }
        QVERIFY2(node.state() != QProcess::NotRunning, qPrintable(said));
        QCOMPARE(sandbox.cli({ u"-conf="_s + conf.fileName(), u"stop"_s }), 0);
        QVERIFY(node.waitForFinished(kNodeTimeoutMs));
    }
};

QTEST_MAIN(TestNode)
#include "test_node.moc"
