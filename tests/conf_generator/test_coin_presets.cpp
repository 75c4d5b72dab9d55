#include "conf_generator/QUORLIN_CONF_GENERATOR_IDS.h"
#include "conf_generator_rig.h"

#include <QtTest>

class TestCoinPresets : public QObject {
    Q_OBJECT

private slots:
    void opensDisarmed();
    void armingChangesNoField();
    void coins_data();
    void coins();
    void vtcCopiesItsNodeList_data();
    void vtcCopiesItsNodeList();
    void basicSettingsUndoNamecoin();
    void basicSettingsThenCoin();
    void basicSettingsTwice();
    void bitcoinWithBasicSettingsPreview();
    void closingKeys_data();
    void closingKeys();
    void openedFromTheConfGenerator();
};

namespace {

struct PresetsRig : ConfGeneratorRig {
    PresetsRig() { presets = std::make_unique<QUORLIN_CONF_GENERATOR_IDS>(*context, *window); }

    QList<QPushButton*> sevenButtons() const
    {
        return { presets->BASIC_SETTINGS_BUTTON, presets->BTC_IMPORT_BUTTON, presets->NMC_IMPORT_BUTTON,
            presets->LTC_IMPORT_BUTTON, presets->VTC_IMPORT_BUTTON, presets->DASH_IMPORT_BUTTON,
            presets->BTG_IMPORT_BUTTON };
    }

    bool armed() const
    {
        const QList<QPushButton*> buttons = sevenButtons();
        return std::all_of(buttons.begin(), buttons.end(), [](QPushButton* b) { return b->isEnabled(); });
    }

    bool disarmed() const
    {
        const QList<QPushButton*> buttons = sevenButtons();
        return std::none_of(buttons.begin(), buttons.end(), [](QPushButton* b) { return b->isEnabled(); })
            && !presets->IMPORT_SETTINGS_TICKBOX->isChecked();
    }

    void press(QPushButton* button)
    {
        presets->IMPORT_SETTINGS_TICKBOX->setChecked(true);
        button->click();
    }

    std::unique_ptr<QUORLIN_CONF_GENERATOR_IDS> presets;
};

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

const QStringList kBasicValues { "wallet.dat", "1", "1", "1", "1", "0", "1", "0", "0", "disabled", "1", "1",
    "3000", "3000", "20", "" };

} // namespace

void TestCoinPresets::opensDisarmed()
{
    PresetsRig rig;
    QCOMPARE(
        rig.presets->windowTitle(), QStringLiteral("QUORLIN - CONF-GENERATOR - IMPORT DEFAULT SETTINGS"));
    QVERIFY(rig.disarmed());
    QCOMPARE(rig.presets->CANCEL_BUTTON->text(), QStringLiteral("Cancel"));
    QVERIFY(rig.presets->CANCEL_BUTTON->isDefault());
    QCOMPARE(rig.presets->BTC_BTG_RPC_NOTE_TEXTBOX->text(),
        QStringLiteral("!!! BTG USES THE SAME RPC PORT AS BTC !!!\r\n"
                       "!!! CHANGE THE RPC PORT IF RUNNING AT THE SAME TIME !!!\r\n"));
}

void TestCoinPresets::armingChangesNoField()
{
    PresetsRig rig;
    const QString before = rig.preview();
    rig.presets->IMPORT_SETTINGS_TICKBOX->click();
    QVERIFY(rig.armed());
    rig.presets->IMPORT_SETTINGS_TICKBOX->click();
    QVERIFY(rig.disarmed());
    QCOMPARE(rig.preview(), before);
    QCOMPARE(rig.presets->CANCEL_BUTTON->text(), QStringLiteral("Cancel"));
}

void TestCoinPresets::coins_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("peerPort");
    QTest::addColumn<QString>("rpcPort");
    QTest::addColumn<bool>("oldWallet"); // OLD Wallet Support and Daemon ticked, Daemon enabled

    QTest::newRow("BTC") << "BTC_IMPORT_BUTTON"
                         << "BTC - Bitcoin"
                         << "8333"
                         << "8332" << false;
    QTest::newRow("NMC") << "NMC_IMPORT_BUTTON"
                         << "NMC - Namecoin"
                         << "8334"
                         << "8336" << true;
    QTest::newRow("LTC") << "LTC_IMPORT_BUTTON"
                         << "LTC - Litecoin"
                         << "9333"
                         << "9332" << false;
    QTest::newRow("VTC") << "VTC_IMPORT_BUTTON"
                         << "VTC - Vertcoin"
                         << "5889"
                         << "5888" << false;
    QTest::newRow("DASH") << "DASH_IMPORT_BUTTON"
                          << "DASH - Dash"
                          << "9999"
                          << "9998" << false;
    QTest::newRow("BTG shares BTC's RPC port") << "BTG_IMPORT_BUTTON"
                                               << "BTG - BitcoinGold"
                                               << "8338"
                                               << "8332" << false;
}

void TestCoinPresets::coins()
{
    QFETCH(QString, button);
    QFETCH(QString, name);
    QFETCH(QString, peerPort);
    QFETCH(QString, rpcPort);
    QFETCH(bool, oldWallet);

    PresetsRig rig;
    QUORLIN_CONF_GENERATOR_MAIN& conf = *rig.window;
    conf.FULL_NODE_LIST_TEXTBOX = QStringLiteral("addnode=old");
    conf.TIMEOUT_TEXTBOX->setText(QStringLiteral("kept"));
    auto* pressed = rig.presets->findChild<QPushButton*>(button);
    QVERIFY(pressed);
    rig.press(pressed);

    QCOMPARE(conf.CRYPTO_NAME_TEXTBOX->text(), name);
    QCOMPARE(conf.PEER_PORT_TEXTBOX->text(), peerPort);
    QCOMPARE(conf.RPC_PORT_TEXTBOX->text(), rpcPort);
    QCOMPARE(conf.FULL_NODE_LIST_TEXTBOX, QString());
    QCOMPARE(conf.TIMEOUT_TEXTBOX->text(), QStringLiteral("kept"));
    QCOMPARE(conf.OLD_WALLET_SUPPORT_TICKBOX->isChecked(), oldWallet);
    QCOMPARE(conf.DAEMON_TICKBOX->isChecked(), oldWallet);
    QCOMPARE(conf.DAEMON_TICKBOX->isEnabled(), oldWallet);
    QCOMPARE(rig.line(9), oldWallet ? QStringLiteral("daemon=1") : QStringLiteral("#daemon=0"));
    QVERIFY(rig.disarmed());
    QCOMPARE(rig.presets->CANCEL_BUTTON->text(), QStringLiteral("Close"));
}

void TestCoinPresets::vtcCopiesItsNodeList_data()
{
    QTest::addColumn<QString>("holder");
    QTest::newRow("empty holder") << QString();
    QTest::newRow("two nodes") << QStringLiteral("addnode=10.0.0.1\r\naddnode=10.0.0.2");
}

void TestCoinPresets::vtcCopiesItsNodeList()
{
    QFETCH(QString, holder);
    PresetsRig rig;
    rig.window->FULL_NODE_LIST_TEXTBOX = QStringLiteral("addnode=old");
    rig.window->VTC_NODE_LIST_TEXTBOX = holder;
    rig.press(rig.presets->VTC_IMPORT_BUTTON);
    QCOMPARE(rig.window->FULL_NODE_LIST_TEXTBOX, holder);
    QVERIFY(rig.preview().endsWith(QStringLiteral("\r\n\r\n") + holder));
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

void TestCoinPresets::basicSettingsThenCoin()
{
    PresetsRig rig;
    rig.window->DISABLE_WALLET_TICKBOX->setEnabled(true);
    rig.window->DISABLE_WALLET_TICKBOX->setChecked(true);
    rig.window->UACOMMENT_TEXTBOX->setText(QStringLiteral("NO2X"));
    rig.press(rig.presets->BASIC_SETTINGS_BUTTON);
    QVERIFY(rig.armed());
    rig.presets->LTC_IMPORT_BUTTON->click();

    QCOMPARE(basicValues(*rig.window), kBasicValues);
    QCOMPARE(rig.window->CRYPTO_NAME_TEXTBOX->text(), QStringLiteral("LTC - Litecoin"));
    QCOMPARE(rig.window->PEER_PORT_TEXTBOX->text(), QStringLiteral("9333"));
    QCOMPARE(rig.window->RPC_PORT_TEXTBOX->text(), QStringLiteral("9332"));
    QVERIFY(rig.window->DISABLE_WALLET_TICKBOX->isChecked()); // not one of the basic settings
    QVERIFY(rig.disarmed());
}

void TestCoinPresets::basicSettingsTwice()
{
    PresetsRig rig;
    rig.press(rig.presets->BASIC_SETTINGS_BUTTON);
    const QString once = rig.preview();
    rig.presets->BASIC_SETTINGS_BUTTON->click();
    QCOMPARE(rig.preview(), once);
    QCOMPARE(basicValues(*rig.window), kBasicValues);
    QVERIFY(rig.armed());
    QCOMPARE(rig.presets->CANCEL_BUTTON->text(), QStringLiteral("Close"));
}

void TestCoinPresets::bitcoinWithBasicSettingsPreview()
{
    PresetsRig rig;
    rig.press(rig.presets->BTC_IMPORT_BUTTON);
    rig.press(rig.presets->BASIC_SETTINGS_BUTTON);

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
    rig.presets->CANCEL_BUTTON->setFocus();
    QTest::keyClick(rig.presets.get(), Qt::Key(key));

    QVERIFY(!rig.presets->isVisible());
    QCOMPARE(rig.fakes.settings.writtenKeys, QStringList({ "IDS-Left", "IDS-Top", "IDS-Left", "IDS-Top" }));
}

void TestCoinPresets::openedFromTheConfGenerator()
{
    ConfGeneratorRig rig;
    bool done = false;
    QTimer::singleShot(0, [&] {
        auto* presets = qobject_cast<QUORLIN_CONF_GENERATOR_IDS*>(QApplication::activeModalWidget());
        QVERIFY(presets);
        QCOMPARE(presets->parentWidget(), rig.window.get());
        presets->IMPORT_SETTINGS_TICKBOX->click();
        presets->BASIC_SETTINGS_BUTTON->click();
        presets->BTC_IMPORT_BUTTON->click();
        presets->CANCEL_BUTTON->click();
        done = true;
    });
    rig.window->show();
    rig.window->IDS_BUTTON_Click();
    QTRY_VERIFY(done);
    QCOMPARE(rig.line(1),
        QStringLiteral("# - BTC - Bitcoin - CONF FILE CREATED USING KALDERA - MIRANEL - CONF-GENERATOR -"));
    QCOMPARE(rig.line(2), QStringLiteral("wallet=wallet.dat"));
}

QTEST_MAIN(TestCoinPresets)
#include "test_coin_presets.moc"
