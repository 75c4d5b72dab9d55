#include "conf_generator/coin_presets.h"
#include "fakes/conf_generator_rig.h"

#include <QtTest>

Q_DECLARE_METATYPE(ConfFields)

namespace {

// The tick box stored under this key.
ConfTick tickNamed(const QString& key)
{
    for (const ConfFieldRow& row : kConfFieldRows)
        if (row.key == key)
            return std::get<ConfTick>(row.member);
    return nullptr;
}

} // namespace

class TestConfText : public QObject {
    Q_OBJECT

private slots:
    void renders_data()
    {
        QTest::addColumn<ConfFields>("fields");
        QTest::addColumn<QStringList>("lines"); // CR LF between them, none after the last

        // Each box line follows its rule's box; blanks and "0" are values;
        // values and blocks go in as they are.
        ConfFields typed;
        typed.cryptoName = "LTC";
        typed.disableWallet = typed.daemon = typed.upnp = typed.rpcLocalhost = true;
        typed.timeout = " ";
        typed.rpcTimeout = "0";
        typed.uaComment = "Grüße \"x\" \\";
        typed.rpcUser = "IM_ALL_IN";
        typed.rpcAuth = "a:b$c\r\nsecond";
        typed.userDefinedSettings = "regtest=1\r\ntxindex=1";
        typed.fullNodeList = "addnode=10.0.0.1\r\naddnode=10.0.0.2";
        QTest::newRow("typed")
            << typed
            << QStringList { "# - LTC - CONF FILE CREATED USING KALDERA - MIRANEL - CONF-GENERATOR -",
                   "#wallet=", "#disablewallet=1", "#server=0", "#alerts=0", "#listen=0", "upnp=1", "#dns=0",
                   "#daemon=1", "#allowip=127.0.0.1", "rpcallowip=127.0.0.1", "timeout= ", "rpctimeout=0",
                   "#maxconnections=", "#port=", "#rpcport=", "uacomment=Grüße \"x\" \\", "",
                   "rpcuser=IM_ALL_IN", "#rpcpassword=", "rpcauth=a:b$c", "second", "", "regtest=1",
                   "txindex=1", "", "addnode=10.0.0.1", "addnode=10.0.0.2" };

        // Basic settings keep the wallet's Disabled box, the credentials and
        // the user's block; a coin other than Vertcoin empties the node list.
        ConfFields litecoin = typed;
        litecoin.wallet = true;
        applyBasicSettings(litecoin);
        applyCoinPreset(litecoin, kCoinPresets[2], "addnode=vtc");
        QTest::newRow("basic, LTC")
            << litecoin
            << QStringList {
                   "# - LTC - Litecoin - CONF FILE CREATED USING KALDERA - MIRANEL - CONF-GENERATOR -",
                   "wallet=wallet.dat", "disablewallet=1", "server=1", "alerts=1", "listen=1", "#upnp=0",
                   "dns=1", "#daemon=0", "allowip=127.0.0.1", "rpcallowip=127.0.0.1", "timeout=3000",
                   "rpctimeout=3000", "maxconnections=20", "port=9333", "rpcport=9332", "#uacomment=", "",
                   "rpcuser=IM_ALL_IN", "#rpcpassword=", "rpcauth=a:b$c", "second", "", "regtest=1",
                   "txindex=1", "", ""
               };
    }

    void renders()
    {
        QFETCH(ConfFields, fields);
        QFETCH(QStringList, lines);
        QCOMPARE(renderConfText(fields), lines.join("\r\n"));
    }

    // Each field read from its key reaches its line; the coin's name comes from the node settings.
    void storedFieldRendersItsLine_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("line");
        const auto row = [](const char* tag, const QStringList& stored, int number, const QString& line) {
            QTest::newRow(tag) << stored << number << line;
        };
        row("coin's name", { "CRYPTO_NAME_TEXTBOX=LTC" }, 1,
            "# - LTC - CONF FILE CREATED USING KALDERA - MIRANEL - CONF-GENERATOR -");
        row("wallet file", { "WALLET_FILE_TEXTBOX=w.dat" }, 2, "wallet=w.dat");
        row("wallet disabled", { "WALLET_TICKBOX=1", "DISABLE_WALLET_TICKBOX=1" }, 3, "disablewallet=1");
        row("disabled, wallet unticked", { "DISABLE_WALLET_TICKBOX=1" }, 3, "#disablewallet=0");
        row("server", { "SERVER_TICKBOX=1" }, 4, "server=1");
        row("alerts", { "ALERTS_TICKBOX=1" }, 5, "alerts=1");
        row("listen", { "LISTEN_TICKBOX=1" }, 6, "listen=1");
        row("upnp", { "UPNP_TICKBOX=1" }, 7, "upnp=1");
        row("dns", { "DNS_TICKBOX=1" }, 8, "dns=1");
        row("daemon", { "OLD_WALLET_SUPPORT_TICKBOX=1", "DAEMON_TICKBOX=1" }, 9, "daemon=1");
        row("peer localhost", { "PEER_LOCALHOST_TICKBOX=1" }, 10, "allowip=127.0.0.1");
        row("rpc localhost", { "RPC_LOCALHOST_TICKBOX=1" }, 11, "rpcallowip=127.0.0.1");
        row("timeout", { "TIMEOUT_TEXTBOX=30" }, 12, "timeout=30");
        row("rpc timeout", { "RPC_TIMEOUT_TEXTBOX=31" }, 13, "rpctimeout=31");
        row("max connections", { "MAX_CONNECTIONS_TEXTBOX=8" }, 14, "maxconnections=8");
        row("peer port", { "PEER_PORT_TEXTBOX=9333" }, 15, "port=9333");
        row("rpc port", { "RPC_PORT_TEXTBOX=9332" }, 16, "rpcport=9332");
        row("comment", { "UACOMMENT_TEXTBOX=NO2X" }, 17, "uacomment=NO2X");
        row("rpc user", { "RPC_USER_TEXTBOX=me" }, 19, "rpcuser=me");
        row("rpc password", { "RPC_PASSWORD_TEXTBOX=pw" }, 20, "rpcpassword=pw");
        row("rpcauth", { "RPC_AUTH_TEXTBOX=me:a$b" }, 21, "rpcauth=me:a$b");
        row("user's block", { "USER_DEFINED_SETTINGS_TEXTBOX=txindex=1" }, 23, "txindex=1");
        row("node list", { "FULL_NODE_LIST_TEXTBOX=addnode=x" }, 25, "addnode=x");
    }

    void storedFieldRendersItsLine()
    {
        QFETCH(QStringList, stored);
        QFETCH(int, number);
        QFETCH(QString, line);
        QCOMPARE(ConfModelRig(stored).line(number), line);
    }

    // Unticking a rule's box unticks and greys its dependent, which ignores a tick until the rule's
    // box is ticked again.
    void untickingARuleGreysItsDependent_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("dependent");
        QTest::newRow("wallet") << "WALLET_TICKBOX"
                                << "DISABLE_WALLET_TICKBOX";
        QTest::newRow("old wallet support") << "OLD_WALLET_SUPPORT_TICKBOX"
                                            << "DAEMON_TICKBOX";
    }

    void untickingARuleGreysItsDependent()
    {
        QFETCH(QString, rule);
        QFETCH(QString, dependent);
        ConfModelRig rig;
        const ConfTick box = tickNamed(dependent);
        rig.model.setTick(box, true);
        QVERIFY(!rig.model.isEnabled(box) && !(rig.model.fields().*box));
        rig.model.setTick(tickNamed(rule), true);
        rig.model.setTick(box, true);
        QVERIFY(rig.model.isEnabled(box) && rig.model.fields().*box);
        rig.model.setTick(tickNamed(rule), false);
        QVERIFY(!rig.model.isEnabled(box) && !(rig.model.fields().*box));
    }

    // Each coin sets its name and ports; Vertcoin copies its node list, the others empty it, and
    // Namecoin alone ticks old wallet support and the daemon.
    void coinPresetFillsItsCoin_data()
    {
        QTest::addColumn<int>("coin");
        QTest::addColumn<QString>("filled"); // name, ports, node list and the daemon line
        QTest::newRow("BTC") << 0 << "BTC - Bitcoin 8333 8332  #daemon=0";
        QTest::newRow("NMC") << 1 << "NMC - Namecoin 8334 8336  daemon=1";
        QTest::newRow("LTC") << 2 << "LTC - Litecoin 9333 9332  #daemon=0";
        QTest::newRow("VTC") << 3 << "VTC - Vertcoin 5889 5888 addnode=vtc #daemon=0";
        QTest::newRow("DASH") << 4 << "DASH - Dash 9999 9998  #daemon=0";
        QTest::newRow("BTG") << 5 << "BTG - BitcoinGold 8338 8332  #daemon=0";
    }

    void coinPresetFillsItsCoin()
    {
        QFETCH(int, coin);
        QFETCH(QString, filled);
        ConfModelRig rig({ "FULL_NODE_LIST_TEXTBOX=addnode=old" });
        rig.model.setVtcNodeList("addnode=vtc");
        rig.model.applyCoinPreset(kCoinPresets[coin]);
        const ConfFields& f = rig.model.fields();
        QCOMPARE(QStringList({ f.cryptoName, f.peerPort, f.rpcPort, f.fullNodeList, rig.line(9) }).join(' '),
            filled);
    }

    // Basic settings undo Namecoin's daemon switch and grey the daemon box again.
    void basicSettingsUndoTheDaemonSwitch()
    {
        ConfModelRig rig;
        rig.model.applyCoinPreset(kCoinPresets[1]);
        rig.model.applyBasicSettings();
        QCOMPARE(rig.line(9), "#daemon=0");
        QVERIFY(!rig.model.isEnabled(&ConfFields::daemon) && rig.model.isEnabled(&ConfFields::disableWallet));
    }
};

QTEST_MAIN(TestConfText)
#include "test_conf_text.moc"
