#include "conf_generator_rig.h"

#include <QtTest>

class TestConfGeneratorWindow : public QObject {
    Q_OBJECT

private slots:
    void firstRun();
    void valueLines_data();
    void valueLines();
    void blocks_data();
    void blocks();
    void tickBoxRules_data();
    void tickBoxRules();
    void daemonLineFollowsOldWalletSupportWhenReopened_data();
    void daemonLineFollowsOldWalletSupportWhenReopened();
    void clearAll();
    void no2xReplacesComment();
    void enterSavesAndCtrlEnterBreaksLines_data();
    void enterSavesAndCtrlEnterBreaksLines();
};

namespace {

QCheckBox* tickBox(QUORLIN_CONF_GENERATOR_MAIN& window, const QString& name)
{
    auto* box = window.findChild<QCheckBox*>(name);
    Q_ASSERT(box);
    return box;
}

const QStringList kAllTickBoxes { QStringLiteral("WALLET_TICKBOX"), QStringLiteral("DISABLE_WALLET_TICKBOX"),
    QStringLiteral("SERVER_TICKBOX"), QStringLiteral("ALERTS_TICKBOX"), QStringLiteral("LISTEN_TICKBOX"),
    QStringLiteral("UPNP_TICKBOX"), QStringLiteral("DNS_TICKBOX"),
    QStringLiteral("OLD_WALLET_SUPPORT_TICKBOX"), QStringLiteral("DAEMON_TICKBOX"),
    QStringLiteral("PEER_LOCALHOST_TICKBOX"), QStringLiteral("RPC_LOCALHOST_TICKBOX") };

} // namespace

void TestConfGeneratorWindow::firstRun()
{
    ConfGeneratorRig rig;
    QUORLIN_CONF_GENERATOR_MAIN& w = *rig.window;

    QCOMPARE(w.windowTitle(), QStringLiteral("QUORLIN - CRYPTO \".CONF\" CONFIGURATION FILE GENERATOR"));
    QCOMPARE(w.CONF_FILE_LOCATION_TEXTBOX->text(), rig.confPath());
    for (const QString& name : kAllTickBoxes)
        QVERIFY2(!tickBox(w, name)->isChecked(), qPrintable(name));
    QVERIFY(!w.DISABLE_WALLET_TICKBOX->isEnabled());
    QVERIFY(!w.DAEMON_TICKBOX->isEnabled());
    QVERIFY(w.CONF_OUTPUT_TIMER.isActive());
    QCOMPARE(w.CONF_OUTPUT_TIMER.interval(), 1000);
    QCOMPARE(w.CANCEL_BUTTON->text(), QStringLiteral("Cancel"));
    QVERIFY(w.SAVE_BUTTON->isDefault());

    // The preview holds the text from the start, before the first tick.
    QCOMPARE(w.CONF_OUTPUT_TEXTBOX->text(), firstRunText());
    QCOMPARE(rig.preview(), firstRunText());
    QVERIFY(rig.fakes.settings.writtenKeys.isEmpty());
}

void TestConfGeneratorWindow::valueLines_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("expected");

    QTest::newRow("wallet") << "WALLET_FILE_TEXTBOX"
                            << "wallet.dat" << 2 << "wallet=wallet.dat";
    QTest::newRow("rpc timeout zero") << "RPC_TIMEOUT_TEXTBOX"
                                      << "0" << 13 << "rpctimeout=0";
    QTest::newRow("rpc port cleared") << "RPC_PORT_TEXTBOX"
                                      << "" << 16 << "#rpcport=";
    QTest::newRow("rpc port one blank") << "RPC_PORT_TEXTBOX"
                                        << " " << 16 << "rpcport= ";
    QTest::newRow("comment not trimmed") << "UACOMMENT_TEXTBOX"
                                         << " a=b " << 17 << "uacomment= a=b ";
    QTest::newRow("rpc user") << "RPC_USER_TEXTBOX"
                              << "IM_ALL_IN" << 19 << "rpcuser=IM_ALL_IN";
    QTest::newRow("coin name in header")
        << "CRYPTO_NAME_TEXTBOX"
        << "LTC - Litecoin" << 1
        << "# - LTC - Litecoin - CONF FILE CREATED USING KALDERA - MIRANEL - "
           "CONF-GENERATOR -";
}

void TestConfGeneratorWindow::valueLines()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(int, line);
    QFETCH(QString, expected);

    ConfGeneratorRig rig;
    auto* box = rig.window->findChild<QLineEdit*>(field);
    QVERIFY(box);
    box->setText(QStringLiteral("something"));
    rig.preview();
    box->setText(value);
    QCOMPARE(rig.line(line), expected);
    QCOMPARE(rig.preview().split(QStringLiteral("\r\n")).size(), 25);
}

void TestConfGeneratorWindow::blocks_data()
{
    QTest::addColumn<QString>("userDefined");
    QTest::addColumn<QString>("nodeList");
    QTest::addColumn<QString>("tail"); // the text after "#rpcauth=\r\n\r\n"

    QTest::newRow("two-line user block") << "regtest=1\r\ntxindex=1"
                                         << ""
                                         << "regtest=1\r\ntxindex=1\r\n\r\n";
    QTest::newRow("node list ends the text") << ""
                                             << "addnode=a\r\naddnode=b"
                                             << "\r\n\r\naddnode=a\r\naddnode=b";
    QTest::newRow("blocks as typed") << "  x = 1 \r\n"
                                     << "\r\n"
                                     << "  x = 1 \r\n\r\n\r\n\r\n";
}

void TestConfGeneratorWindow::blocks()
{
    QFETCH(QString, userDefined);
    QFETCH(QString, nodeList);
    QFETCH(QString, tail);

    ConfGeneratorRig rig;
    rig.window->USER_DEFINED_SETTINGS_TEXTBOX->setText(userDefined);
    rig.window->FULL_NODE_LIST_TEXTBOX = nodeList;
    const QString text = rig.preview();
    const QString before = QStringLiteral("#rpcauth=\r\n\r\n");
    QCOMPARE(text.mid(text.indexOf(before) + before.size()), tail);
}

void TestConfGeneratorWindow::tickBoxRules_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("disabledEnabled");
    QTest::addColumn<bool>("daemonEnabled");

    const auto row = [](const char* name, QStringList clicks, int line, const char* expected, bool disabled,
                         bool daemon) {
        QTest::newRow(name) << clicks << line << QString::fromLatin1(expected) << disabled << daemon;
    };
    row("Wallet enables Disabled", { "WALLET_TICKBOX" }, 3, "disablewallet=0", true, false);
    row("Disabled gives the value", { "WALLET_TICKBOX", "DISABLE_WALLET_TICKBOX" }, 3, "disablewallet=1",
        true, false);
    row("unticking Wallet unticks and greys Disabled",
        { "WALLET_TICKBOX", "DISABLE_WALLET_TICKBOX", "WALLET_TICKBOX" }, 3, "#disablewallet=0", false,
        false);
    row("greyed Disabled ignores clicks", { "DISABLE_WALLET_TICKBOX" }, 3, "#disablewallet=0", false, false);
    row("OLD Wallet Support enables Daemon", { "OLD_WALLET_SUPPORT_TICKBOX" }, 9, "daemon=0", false, true);
    row("Daemon gives the value", { "OLD_WALLET_SUPPORT_TICKBOX", "DAEMON_TICKBOX" }, 9, "daemon=1", false,
        true);
    row("unticking OLD Wallet Support unticks and greys Daemon",
        { "OLD_WALLET_SUPPORT_TICKBOX", "DAEMON_TICKBOX", "OLD_WALLET_SUPPORT_TICKBOX" }, 9, "#daemon=0",
        false, false);
    row("ticking it again gives daemon=0",
        { "OLD_WALLET_SUPPORT_TICKBOX", "DAEMON_TICKBOX", "OLD_WALLET_SUPPORT_TICKBOX",
            "OLD_WALLET_SUPPORT_TICKBOX" },
        9, "daemon=0", false, true);
    row("Server", { "SERVER_TICKBOX" }, 4, "server=1", false, false);
    row("Server off again", { "SERVER_TICKBOX", "SERVER_TICKBOX" }, 4, "#server=0", false, false);
    row("Alerts", { "ALERTS_TICKBOX" }, 5, "alerts=1", false, false);
    row("UPnP", { "UPNP_TICKBOX" }, 7, "upnp=1", false, false);
    row("PEER localhost", { "PEER_LOCALHOST_TICKBOX" }, 10, "allowip=127.0.0.1", false, false);
    row("PEER localhost off again", { "PEER_LOCALHOST_TICKBOX", "PEER_LOCALHOST_TICKBOX" }, 10,
        "#allowip=127.0.0.1", false, false);
    row("RPC localhost", { "RPC_LOCALHOST_TICKBOX" }, 11, "rpcallowip=127.0.0.1", false, false);
}

void TestConfGeneratorWindow::tickBoxRules()
{
    QFETCH(QStringList, clicks);
    QFETCH(int, line);
    QFETCH(QString, expected);
    QFETCH(bool, disabledEnabled);
    QFETCH(bool, daemonEnabled);

    ConfGeneratorRig rig;
    for (const QString& name : clicks)
        tickBox(*rig.window, name)->click();
    QCOMPARE(rig.line(line), expected);
    QCOMPARE(rig.window->DISABLE_WALLET_TICKBOX->isEnabled(), disabledEnabled);
    QCOMPARE(rig.window->DAEMON_TICKBOX->isEnabled(), daemonEnabled);
}

void TestConfGeneratorWindow::daemonLineFollowsOldWalletSupportWhenReopened_data()
{
    QTest::addColumn<bool>("oldWalletSupport");
    QTest::addColumn<bool>("daemon");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("daemonEnabled");

    QTest::newRow("OLD ticked, Daemon unticked") << true << false << "daemon=0" << true;
    QTest::newRow("both ticked") << true << true << "daemon=1" << true;
    QTest::newRow("neither") << false << false << "#daemon=0" << false;
}

void TestConfGeneratorWindow::daemonLineFollowsOldWalletSupportWhenReopened()
{
    QFETCH(bool, oldWalletSupport);
    QFETCH(bool, daemon);
    QFETCH(QString, expected);
    QFETCH(bool, daemonEnabled);

    ConfGeneratorRig rig;
    rig.window->OLD_WALLET_SUPPORT_TICKBOX->setChecked(oldWalletSupport);
    rig.window->DAEMON_TICKBOX->setChecked(daemon);
    QCOMPARE(rig.line(9), expected);
    rig.window->SAVE_BUTTON->click();

    rig.reopen();
    QCOMPARE(rig.window->CONF_OUTPUT_TEXTBOX->text().split(QStringLiteral("\r\n")).value(8), expected);
    QCOMPARE(rig.line(9), expected);
    QCOMPARE(rig.window->DAEMON_TICKBOX->isEnabled(), daemonEnabled);
    QCOMPARE(rig.window->DAEMON_TICKBOX->isChecked(), daemon);
}

void TestConfGeneratorWindow::clearAll()
{
    ConfGeneratorRig rig;
    QUORLIN_CONF_GENERATOR_MAIN& w = *rig.window;
    for (const QString& name : kAllTickBoxes)
        tickBox(w, name)->click();
    for (QLineEdit* box : w.findChildren<QLineEdit*>()) {
        if (box != w.CONF_FILE_LOCATION_TEXTBOX)
            box->setText(QStringLiteral("x"));
    }
    w.RPC_AUTH_TEXTBOX->setText(QStringLiteral("a\r\nb"));
    w.USER_DEFINED_SETTINGS_TEXTBOX->setText(QStringLiteral("regtest=1"));
    w.FULL_NODE_LIST_TEXTBOX = QStringLiteral("addnode=x");
    w.SAVE_BUTTON->click();
    const QMap<QString, QString> storedBefore = rig.fakes.settings.values;
    rig.fakes.settings.writtenKeys.clear();
    QVERIFY(w.DISABLE_WALLET_TICKBOX->isChecked());
    QVERIFY(w.DAEMON_TICKBOX->isChecked());

    w.CLEAR_ALL_BUTTON->click();

    for (const QString& name : kAllTickBoxes)
        QVERIFY2(!tickBox(w, name)->isChecked(), qPrintable(name));
    QVERIFY(!w.DISABLE_WALLET_TICKBOX->isEnabled());
    QVERIFY(!w.DAEMON_TICKBOX->isEnabled());
    for (QLineEdit* box : w.findChildren<QLineEdit*>()) {
        const bool location = box == w.CONF_FILE_LOCATION_TEXTBOX;
        QCOMPARE(box->text(), location ? rig.confPath() : QString());
    }
    QVERIFY(w.FULL_NODE_LIST_TEXTBOX.isEmpty());
    QCOMPARE(rig.preview(), firstRunText());
    QVERIFY(rig.fakes.settings.writtenKeys.isEmpty());

    // Clear ALL and Cancel leave the stored configuration as it was.
    w.CANCEL_BUTTON->click();
    QCOMPARE(rig.fakes.settings.writtenKeys, QStringList({ "MAIN-Left", "MAIN-Top" }));
    QMap<QString, QString> storedAfter = rig.fakes.settings.values;
    QCOMPARE(storedAfter, storedBefore);
}

void TestConfGeneratorWindow::no2xReplacesComment()
{
    ConfGeneratorRig rig;
    rig.window->UACOMMENT_TEXTBOX->setText(QStringLiteral("my node"));
    rig.window->NO_2X_BUTTON->click();
    QCOMPARE(rig.window->UACOMMENT_TEXTBOX->text(), QStringLiteral("NO2X"));
    QCOMPARE(rig.line(17), QStringLiteral("uacomment=NO2X"));
}

void TestConfGeneratorWindow::enterSavesAndCtrlEnterBreaksLines_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("saves");
    QTest::addColumn<QString>("text"); // of the box after typing "a", the key, "b"

    QTest::newRow("Enter in the coin name") << "CRYPTO_NAME_TEXTBOX" << int(Qt::NoModifier) << true << "ab";
    QTest::newRow("Enter in the user block")
        << "USER_DEFINED_SETTINGS_TEXTBOX" << int(Qt::NoModifier) << true << "ab";
    QTest::newRow("Ctrl+Enter in the user block")
        << "USER_DEFINED_SETTINGS_TEXTBOX" << int(Qt::ControlModifier) << false << "a\r\nb";
    QTest::newRow("Ctrl+Enter in the rpcauth box")
        << "RPC_AUTH_TEXTBOX" << int(Qt::ControlModifier) << false << "a\r\nb";
    QTest::newRow("Enter in the rpcauth box") << "RPC_AUTH_TEXTBOX" << int(Qt::NoModifier) << true << "ab";
}

void TestConfGeneratorWindow::enterSavesAndCtrlEnterBreaksLines()
{
    QFETCH(QString, box);
    QFETCH(int, modifiers);
    QFETCH(bool, saves);
    QFETCH(QString, text);

    ConfGeneratorRig rig;
    rig.window->show();
    QWidget* field = rig.window->findChild<QWidget*>(box);
    QVERIFY(field);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A);
    QTest::keyClick(field, Qt::Key_Return, Qt::KeyboardModifiers(modifiers));
    QTest::keyClick(field, Qt::Key_B);

    QCOMPARE(rig.fakes.settings.writtenKeys.contains(QStringLiteral("CRYPTO_NAME_TEXTBOX")), saves);
    QCOMPARE(rig.window->CANCEL_BUTTON->text(), saves ? QStringLiteral("Close") : QStringLiteral("Cancel"));
    QVERIFY(rig.window->isVisible());
    const auto* line = qobject_cast<QLineEdit*>(field);
    const auto* multi = qobject_cast<MultiLineBox*>(field);
    QCOMPARE(line ? line->text() : multi->text(), text);
}

QTEST_MAIN(TestConfGeneratorWindow)
#include "test_conf_generator_window.moc"
