#include "conf_generator/QUORLIN_CONF_GENERATOR_IDS.h"
#include "conf_generator_rig.h"
#include "core/tick_box.h"

#include <QtTest>

class TestCoinPresets : public QObject {
    Q_OBJECT

private slots:
    void armingChangesNoField();
    void coins_data();
    void coins();
    void basicSettingsUndoNamecoin();
    void basicSettingsTwiceThenCoin();
    void closingKeys_data();
    void closingKeys();
    void bitcoinWithBasicSettingsFromTheConfGenerator();
};

namespace {

struct PresetsRig : ConfGeneratorRig {
    PresetsRig() { presets = std::make_unique<QUORLIN_CONF_GENERATOR_IDS>(*context, *window); }

    // "1111111" when all seven buttons are enabled.
    QString enabledButtons() const
    {
        QString enabled;
        for (QPushButton* button : { presets->BASIC_SETTINGS_BUTTON, presets->BTC_IMPORT_BUTTON,
                 presets->NMC_IMPORT_BUTTON, presets->LTC_IMPORT_BUTTON, presets->VTC_IMPORT_BUTTON,
                 presets->DASH_IMPORT_BUTTON, presets->BTG_IMPORT_BUTTON })
            enabled += button->isEnabled() ? u'1' : u'0';
        return enabled;
    }

    void press(QPushButton* button)
    {
        presets->IMPORT_SETTINGS_TICKBOX->setChecked(true);
        button->click();
    }

    std::unique_ptr<QUORLIN_CONF_GENERATOR_IDS> presets;
};

const QString kArmed = QStringLiteral("1111111");
const QString kDisarmed = QStringLiteral("0000000");

// The sixteen values of the basic settings, read from the conf generator.
QStringList basicValues(const QUORLIN_CONF_GENERATOR_MAIN& w)
{
    const auto tick = [](const QCheckBox* box) { return QString::number(tickState(*box)); };
    return { w.WALLET_FILE_TEXTBOX->text(), tick(w.WALLET_TICKBOX), tick(w.SERVER_TICKBOX),
        tick(w.ALERTS_TICKBOX), tick(w.LISTEN_TICKBOX), tick(w.UPNP_TICKBOX), tick(w.DNS_TICKBOX),
        tick(w.OLD_WALLET_SUPPORT_TICKBOX), tick(w.DAEMON_TICKBOX),
        w.DAEMON_TICKBOX->isEnabled() ? "enabled" : "disabled", tick(w.PEER_LOCALHOST_TICKBOX),
        tick(w.RPC_LOCALHOST_TICKBOX), w.TIMEOUT_TEXTBOX->text(), w.RPC_TIMEOUT_TEXTBOX->text(),
        w.MAX_CONNECTIONS_TEXTBOX->text(), w.UACOMMENT_TEXTBOX->text() };
}

} // namespace

void TestCoinPresets::armingChangesNoField()
{
    PresetsRig rig;
    QCOMPARE(rig.enabledButtons(), kDisarmed);
    QVERIFY(rig.presets->CANCEL_BUTTON->isDefault());
    const QString before = rig.preview();

    rig.presets->IMPORT_SETTINGS_TICKBOX->click();
    QCOMPARE(rig.enabledButtons(), kArmed);
    rig.presets->IMPORT_SETTINGS_TICKBOX->click();
    QCOMPARE(rig.enabledButtons(), kDisarmed);
    QCOMPARE(rig.preview(), before);
    QCOMPARE(rig.presets->CANCEL_BUTTON->text(), QStringLiteral("Cancel"));
}

void TestCoinPresets::coins_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("vtcNodeList"); // what the conf generator's VTC holder holds
    QTest::addColumn<QStringList>("fields"); // name, peer port, RPC port, node list
    QTest::addColumn<QString>("daemonLine");

    const QString nodes = QStringLiteral("addnode=10.0.0.1\r\naddnode=10.0.0.2");
    QTest::newRow("BTC") << "BTC_IMPORT_BUTTON" << nodes
                         << QStringList { "BTC - Bitcoin", "8333", "8332", "" } << "#daemon=0";
    QTest::newRow("NMC") << "NMC_IMPORT_BUTTON"
                         << "" << QStringList { "NMC - Namecoin", "8334", "8336", "" } << "daemon=1";
    QTest::newRow("LTC") << "LTC_IMPORT_BUTTON"
                         << "" << QStringList { "LTC - Litecoin", "9333", "9332", "" } << "#daemon=0";
    QTest::newRow("VTC") << "VTC_IMPORT_BUTTON" << nodes
                         << QStringList { "VTC - Vertcoin", "5889", "5888", nodes } << "#daemon=0";
    QTest::newRow("VTC, empty holder")
        << "VTC_IMPORT_BUTTON"
        << "" << QStringList { "VTC - Vertcoin", "5889", "5888", "" } << "#daemon=0";
    QTest::newRow("DASH") << "DASH_IMPORT_BUTTON"
                          << "" << QStringList { "DASH - Dash", "9999", "9998", "" } << "#daemon=0";
    QTest::newRow("BTG shares BTC's RPC port")
        << "BTG_IMPORT_BUTTON"
        << "" << QStringList { "BTG - BitcoinGold", "8338", "8332", "" } << "#daemon=0";
}

void TestCoinPresets::coins()
{
    QFETCH(QString, button);
    QFETCH(QString, vtcNodeList);
    QFETCH(QStringList, fields);
    QFETCH(QString, daemonLine);

    PresetsRig rig;
    QUORLIN_CONF_GENERATOR_MAIN& conf = *rig.window;
    conf.FULL_NODE_LIST_TEXTBOX = QStringLiteral("addnode=old");
    conf.VTC_NODE_LIST_TEXTBOX = vtcNodeList;
    conf.TIMEOUT_TEXTBOX->setText(QStringLiteral("kept"));
    auto* pressed = rig.presets->findChild<QPushButton*>(button);
    QVERIFY(pressed);
    rig.press(pressed);

    const QStringList actual { conf.CRYPTO_NAME_TEXTBOX->text(), conf.PEER_PORT_TEXTBOX->text(),
        conf.RPC_PORT_TEXTBOX->text(), conf.FULL_NODE_LIST_TEXTBOX };
    QCOMPARE(actual, fields);
    QCOMPARE(conf.TIMEOUT_TEXTBOX->text(), QStringLiteral("kept"));
    QCOMPARE(rig.line(9), daemonLine);
    QCOMPARE(conf.DAEMON_TICKBOX->isEnabled(), daemonLine == QStringLiteral("daemon=1"));
    QVERIFY(!rig.presets->IMPORT_SETTINGS_TICKBOX->isChecked());
    QCOMPARE(rig.enabledButtons(), kDisarmed);
    QCOMPARE(rig.presets->CANCEL_BUTTON->text(), QStringLiteral("Close"));
}

void TestCoinPresets::basicSettingsUndoNamecoin()
{
    PresetsRig rig;
    rig.press(rig.presets->NMC_IMPORT_BUTTON);
    rig.press(rig.presets->BASIC_SETTINGS_BUTTON);
    QVERIFY(!rig.window->OLD_WALLET_SUPPORT_TICKBOX->isChecked());
    QVERIFY(!rig.window->DAEMON_TICKBOX->isChecked());
    QVERIFY(!rig.window->DAEMON_TICKBOX->isEnabled());
    QCOMPARE(rig.line(9), QStringLiteral("#daemon=0"));
    QCOMPARE(rig.window->CRYPTO_NAME_TEXTBOX->text(), QStringLiteral("NMC - Namecoin"));
}

void TestCoinPresets::basicSettingsTwiceThenCoin()
{
    PresetsRig rig;
    rig.window->DISABLE_WALLET_TICKBOX->setEnabled(true);
    rig.window->DISABLE_WALLET_TICKBOX->setChecked(true);
    rig.window->UACOMMENT_TEXTBOX->setText(QStringLiteral("NO2X"));
    rig.press(rig.presets->BASIC_SETTINGS_BUTTON);
    const QString once = rig.preview();
    rig.presets->BASIC_SETTINGS_BUTTON->click();
    QCOMPARE(rig.preview(), once);
    QCOMPARE(rig.enabledButtons(), kArmed);
    QCOMPARE(rig.presets->CANCEL_BUTTON->text(), QStringLiteral("Close"));

    rig.presets->LTC_IMPORT_BUTTON->click();
    const QStringList basic { "wallet.dat", "1", "1", "1", "1", "0", "1", "0", "0", "disabled", "1", "1",
        "3000", "3000", "20", "" };
    QCOMPARE(basicValues(*rig.window), basic);
    QCOMPARE(rig.window->CRYPTO_NAME_TEXTBOX->text(), QStringLiteral("LTC - Litecoin"));
    QVERIFY(rig.window->DISABLE_WALLET_TICKBOX->isChecked()); // not one of the basic settings
    QCOMPARE(rig.enabledButtons(), kDisarmed);
}

void TestCoinPresets::closingKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Esc") << int(Qt::Key_Escape);
    QTest::newRow("Enter") << int(Qt::Key_Return);
}

void TestCoinPresets::closingKeys()
{
    QFETCH(int, key);
    PresetsRig rig;
    rig.presets->show();
    rig.press(rig.presets->BASIC_SETTINGS_BUTTON);
    rig.press(rig.presets->DASH_IMPORT_BUTTON);
    QTest::keyClick(rig.presets.get(), Qt::Key(key));

    // Only the position is stored, by the button and by the unload.
    QVERIFY(!rig.presets->isVisible());
    QCOMPARE(rig.fakes.settings.writtenKeys, QStringList({ "IDS-Left", "IDS-Top", "IDS-Left", "IDS-Top" }));
}

void TestCoinPresets::bitcoinWithBasicSettingsFromTheConfGenerator()
{
    ConfGeneratorRig rig;
    bool done = false;
    QTimer::singleShot(0, [&] {
        auto* presets = qobject_cast<QUORLIN_CONF_GENERATOR_IDS*>(QApplication::activeModalWidget());
        QVERIFY(presets);
        QCOMPARE(presets->parentWidget(), rig.window.get());
        presets->IMPORT_SETTINGS_TICKBOX->click();
        presets->BTC_IMPORT_BUTTON->click();
        presets->IMPORT_SETTINGS_TICKBOX->click();
        presets->BASIC_SETTINGS_BUTTON->click();
        presets->CANCEL_BUTTON->click();
        done = true;
    });
    rig.window->show();
    rig.window->IDS_BUTTON_Click();
    QTRY_VERIFY(done);

    const QStringList lines = rig.preview().split(QStringLiteral("\r\n"));
    const QStringList expected {
        "# - BTC - Bitcoin - CONF FILE CREATED USING KALDERA - MIRANEL - CONF-GENERATOR -",
        "wallet=wallet.dat", "disablewallet=0", "server=1", "alerts=1", "listen=1", "#upnp=0", "dns=1",
        "#daemon=0", "allowip=127.0.0.1", "rpcallowip=127.0.0.1", "timeout=3000", "rpctimeout=3000",
        "maxconnections=20", "port=8333", "rpcport=8332", "#uacomment="
    };
    QCOMPARE(lines.mid(0, 17), expected);
    QCOMPARE(lines.mid(17), firstRunText().split(QStringLiteral("\r\n")).mid(17));
}

QTEST_MAIN(TestCoinPresets)
#include "test_coin_presets.moc"
