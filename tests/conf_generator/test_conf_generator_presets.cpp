#include "conf_generator/QUORLIN_CONF_GENERATOR_IDS.h"
#include "conf_generator/QUORLIN_CONF_GENERATOR_TEST_RPC.h"
#include "conf_generator/rpc_test_credentials.h"
#include "conf_generator_rig.h"
#include "core/look.h"

#include <QMessageAuthenticationCode>
#include <QRegularExpression>

class TestConfGeneratorPresets : public QObject {
    Q_OBJECT

private slots:
    void coins_data();
    void coins();
    void basicSettings();
    void credentialPresetsFollowTheRpcauthScheme();
    void credentials_data();
    void credentials();
};

namespace {

int enabledPresetButtons(const QUORLIN_CONF_GENERATOR_IDS& presets)
{
    const QList<QPushButton*> buttons = presets.findChildren<QPushButton*>();
    return int(std::count_if(buttons.begin(), buttons.end(),
        [&](const QPushButton* b) { return b != presets.CANCEL_BUTTON && b->isEnabled(); }));
}

QList<int> greenButtons(const QUORLIN_CONF_GENERATOR_TEST_RPC& credentials)
{
    QList<int> green;
    for (int n = 1; n <= kRpcTestPresetCount; ++n) {
        if (credentials.presetButtons()[n - 1]->palette().color(QPalette::Button) == colourFromBgr(kGreenBgr))
            green.append(n);
    }
    return green;
}

template <typename Window> QStringList rpcBoxes(const Window& w)
{
    return { w.RPC_USER_TEXTBOX->text(), w.RPC_PASSWORD_TEXTBOX->text(), w.RPC_AUTH_TEXTBOX->text() };
}

} // namespace

void TestConfGeneratorPresets::coins_data()
{
    QTest::addColumn<QString>("vtcNodeList"); // what the conf generator's VTC holder holds
    QTest::addColumn<QStringList>("result"); // name, peer port, RPC port, node list, daemon line

    const QString nodes = "addnode=10.0.0.1\r\naddnode=10.0.0.2";
    QTest::newRow("BTC") << nodes << QStringList { "BTC - Bitcoin", "8333", "8332", "", "#daemon=0" };
    QTest::newRow("NMC") << QString() << QStringList { "NMC - Namecoin", "8334", "8336", "", "daemon=1" };
    QTest::newRow("VTC") << nodes << QStringList { "VTC - Vertcoin", "5889", "5888", nodes, "#daemon=0" };
    QTest::newRow("VTC, empty holder")
        << QString() << QStringList { "VTC - Vertcoin", "5889", "5888", "", "#daemon=0" };
    QTest::newRow("DASH") << QString() << QStringList { "DASH - Dash", "9999", "9998", "", "#daemon=0" };
    QTest::newRow("BTG shares BTC's RPC port")
        << QString() << QStringList { "BTG - BitcoinGold", "8338", "8332", "", "#daemon=0" };
}

void TestConfGeneratorPresets::coins()
{
    QFETCH(QString, vtcNodeList);
    QFETCH(QStringList, result);

    ConfGeneratorRig rig;
    QUORLIN_CONF_GENERATOR_MAIN& conf = *rig.window;
    conf.FULL_NODE_LIST_TEXTBOX = "addnode=old";
    conf.VTC_NODE_LIST_TEXTBOX = vtcNodeList;
    conf.TIMEOUT_TEXTBOX->setText("kept");
    const QString before = rig.preview();
    QUORLIN_CONF_GENERATOR_IDS presets(*rig.context, conf);
    QCOMPARE(enabledPresetButtons(presets), 0);
    presets.IMPORT_SETTINGS_TICKBOX->click();
    QCOMPARE(enabledPresetButtons(presets), 7);
    QCOMPARE(rig.preview(), before);

    // The button of the coin named "BTC - Bitcoin" is BTC_IMPORT_BUTTON.
    presets.findChild<QPushButton*>(result[0].section(" - ", 0, 0) + "_IMPORT_BUTTON")->click();
    QCOMPARE(QStringList({ conf.CRYPTO_NAME_TEXTBOX->text(), conf.PEER_PORT_TEXTBOX->text(),
                 conf.RPC_PORT_TEXTBOX->text(), conf.FULL_NODE_LIST_TEXTBOX, rig.line(9) }),
        result);
    QCOMPARE(conf.TIMEOUT_TEXTBOX->text(), "kept");
    QVERIFY(!presets.IMPORT_SETTINGS_TICKBOX->isChecked());
    QCOMPARE(enabledPresetButtons(presets), 0);
    QCOMPARE(presets.CANCEL_BUTTON->text(), "Close");
}

void TestConfGeneratorPresets::basicSettings()
{
    ConfGeneratorRig rig;
    QUORLIN_CONF_GENERATOR_MAIN& conf = *rig.window;
    QUORLIN_CONF_GENERATOR_IDS presets(*rig.context, conf);
    presets.IMPORT_SETTINGS_TICKBOX->click();
    presets.BTC_IMPORT_BUTTON->click();
    presets.IMPORT_SETTINGS_TICKBOX->click();
    presets.BASIC_SETTINGS_BUTTON->click();
    QStringList expected { "# - BTC - Bitcoin - CONF FILE CREATED USING KALDERA - MIRANEL - CONF-GENERATOR -",
        "wallet=wallet.dat", "disablewallet=0", "server=1", "alerts=1", "listen=1", "#upnp=0", "dns=1",
        "#daemon=0", "allowip=127.0.0.1", "rpcallowip=127.0.0.1", "timeout=3000", "rpctimeout=3000",
        "maxconnections=20", "port=8333", "rpcport=8332", "#uacomment=" };
    expected += kFirstRunText.split("\r\n").mid(17);
    QCOMPARE(rig.preview().split("\r\n"), expected);

    // Disabled is not one of the basic settings, the comment is; they undo
    // Namecoin's daemon switch, and twice give what once gives.
    conf.DISABLE_WALLET_TICKBOX->click();
    conf.NO_2X_BUTTON->click();
    presets.IMPORT_SETTINGS_TICKBOX->click();
    presets.NMC_IMPORT_BUTTON->click();
    presets.IMPORT_SETTINGS_TICKBOX->click();
    presets.BASIC_SETTINGS_BUTTON->click();
    const QString once = rig.preview();
    presets.BASIC_SETTINGS_BUTTON->click();
    QCOMPARE(rig.preview(), once);
    QCOMPARE(enabledPresetButtons(presets), 7);
    presets.LTC_IMPORT_BUTTON->click();
    expected[0] = "# - LTC - Litecoin - CONF FILE CREATED USING KALDERA - MIRANEL - CONF-GENERATOR -";
    expected[2] = "disablewallet=1";
    expected[14] = "port=9333";
    expected[15] = "rpcport=9332";
    QCOMPARE(rig.preview().split("\r\n"), expected);
    QVERIFY(!conf.DAEMON_TICKBOX->isEnabled());

    // Esc closes as Cancel does, and only the position is ever stored here.
    presets.show();
    QTest::keyClick(&presets, Qt::Key_Escape);
    QVERIFY(!presets.isVisible());
    QCOMPARE(rig.fakes.settings.writtenKeys, QStringList({ "IDS-Left", "IDS-Top", "IDS-Left", "IDS-Top" }));
}

void TestConfGeneratorPresets::credentialPresetsFollowTheRpcauthScheme()
{
    const char* users[]
        = { "CRYPTO_MOONSHOT", "BULLS_GO_LONG", "BEARS_GO_SHORT", "GENESIS_BLOCK_01", "BITCOIN_IS_KING",
              "BITCONNECT_LIVES_ON", "CRYPTO_TO_INFINITY", "CRYPTO_ALWAYS", "IM_ALL_IN", "HODL_HODL_HODL" };
    QSet<QStringView> passwords;
    for (int n = 1; n <= kRpcTestPresetCount; ++n) {
        const RpcCredentials& set = kRpcTestPresets[n - 1];
        QCOMPARE(set.user, QString(users[n - 1]));
        // 32 random bytes in URL-safe base64.
        QVERIFY(QRegularExpression("^[A-Za-z0-9_-]{43}=$").match(set.password).hasMatch());
        // user:salt$hash, the hash being HMAC-SHA256 keyed with the salt text, of the password.
        const QRegularExpressionMatch auth
            = QRegularExpression("^([^:]+):([0-9a-f]{32})\\$([0-9a-f]{64})$").match(set.auth);
        QVERIFY2(auth.hasMatch(), qPrintable(set.auth.toString()));
        QCOMPARE(auth.captured(1), set.user);
        const QByteArray salt = auth.captured(2).toLatin1();
        QCOMPARE(auth.captured(3).toLatin1(),
            QMessageAuthenticationCode::hash(set.password.toUtf8(), salt, QCryptographicHash::Sha256)
                .toHex());
        passwords.insert(set.password);
    }
    QCOMPARE(passwords.size(), kRpcTestPresetCount);
}

void TestConfGeneratorPresets::credentials_data()
{
    QTest::addColumn<QString>("user"); // in the conf generator when the window opens
    QTest::addColumn<QList<int>>("green");
    QTest::newRow("exact name") << "IM_ALL_IN" << QList<int> { 9 };
    QTest::newRow("lower case") << "im_all_in" << QList<int> {};
    QTest::newRow("trailing blank") << "IM_ALL_IN " << QList<int> {};
    QTest::newRow("empty") << "" << QList<int> {};
}

void TestConfGeneratorPresets::credentials()
{
    QFETCH(QString, user);
    QFETCH(QList<int>, green);

    ConfGeneratorRig rig;
    QUORLIN_CONF_GENERATOR_MAIN& conf = *rig.window;
    const QStringList typed { user, user.isEmpty() ? "" : "typed", user.isEmpty() ? "" : "one\r\ntwo\r\n" };
    conf.RPC_USER_TEXTBOX->setText(typed[0]);
    conf.RPC_PASSWORD_TEXTBOX->setText(typed[1]);
    conf.RPC_AUTH_TEXTBOX->setText(typed[2]);
    QUORLIN_CONF_GENERATOR_TEST_RPC window(*rig.context, conf);
    window.show();
    QCOMPARE(greenButtons(window), green);
    QCOMPARE(rpcBoxes(window), typed);
    window.USE_CURRENT_CREDENTIALS_BUTTON->click();
    QCOMPARE(rpcBoxes(conf), typed);
    QCOMPARE(window.CANCEL_BUTTON->text(), "Close");

    // Choosing shows a preset and marks it alone without handing it over;
    // using hands the boxes over as they are.
    window.TEST_CFG_4_BUTTON->click();
    const QString password = kRpcTestPresets[3].password.toString();
    QCOMPARE(
        rpcBoxes(window), QStringList({ "GENESIS_BLOCK_01", password, kRpcTestPresets[3].auth.toString() }));
    QCOMPARE(greenButtons(window), QList<int> { 4 });
    QCOMPARE(rpcBoxes(conf), typed);
    window.RPC_USER_TEXTBOX->setText("HODL_HODL_HODL");
    window.RPC_AUTH_TEXTBOX->clear();
    window.USE_CURRENT_CREDENTIALS_BUTTON->click();
    QCOMPARE(rig.preview().split("\r\n").mid(18, 3),
        QStringList({ "rpcuser=HODL_HODL_HODL", "rpcpassword=" + password, "#rpcauth=" }));
    QVERIFY(window.isVisible());

    // Enter, also in the password box, closes as Cancel does; only the position is stored.
    QTest::keyClick(window.RPC_PASSWORD_TEXTBOX, Qt::Key_Return);
    QVERIFY(!window.isVisible());
    const QString key = "TEST-RPC-CREDENTIALS-";
    QCOMPARE(rig.fakes.settings.writtenKeys,
        QStringList({ key + "Left", key + "Top", key + "Left", key + "Top" }));
}

QTEST_MAIN(TestConfGeneratorPresets)
#include "test_conf_generator_presets.moc"
