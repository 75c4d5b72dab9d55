#include "conf_generator/coin_presets.h"
#include "fakes/conf_generator_rig.h"

#include <QtTest>

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
    // Each field read from its key reaches its line, active while its box is ticked or its value is not empty
    // (blanks and "0" are values), values and blocks as they are; the coin's name comes from node settings.
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
        row("no wallet file", {}, 2, "#wallet=");
        row("wallet file", { "WALLET_FILE_TEXTBOX=w.dat" }, 2, "wallet=w.dat");
        row("wallet disabled", { "WALLET_TICKBOX=1", "DISABLE_WALLET_TICKBOX=1" }, 3, "disablewallet=1");
        row("disabled, wallet unticked", { "DISABLE_WALLET_TICKBOX=1" }, 3, "#disablewallet=1");
        row("no server", {}, 4, "#server=0");
        row("server", { "SERVER_TICKBOX=1" }, 4, "server=1");
        row("alerts", { "ALERTS_TICKBOX=1" }, 5, "alerts=1");
        row("listen", { "LISTEN_TICKBOX=1" }, 6, "listen=1");
        row("upnp", { "UPNP_TICKBOX=1" }, 7, "upnp=1");
        row("dns", { "DNS_TICKBOX=1" }, 8, "dns=1");
        row("daemon", { "OLD_WALLET_SUPPORT_TICKBOX=1", "DAEMON_TICKBOX=1" }, 9, "daemon=1");
        row("daemon, old wallet support unticked", { "DAEMON_TICKBOX=1" }, 9, "#daemon=1");
        row("peer localhost", { "PEER_LOCALHOST_TICKBOX=1" }, 10, "allowip=127.0.0.1");
        row("no rpc localhost", {}, 11, "#rpcallowip=127.0.0.1");
        row("rpc localhost", { "RPC_LOCALHOST_TICKBOX=1" }, 11, "rpcallowip=127.0.0.1");
        row("blank timeout", { "TIMEOUT_TEXTBOX= " }, 12, "timeout= ");
        row("zero rpc timeout", { "RPC_TIMEOUT_TEXTBOX=0" }, 13, "rpctimeout=0");
        row("max connections", { "MAX_CONNECTIONS_TEXTBOX=8" }, 14, "maxconnections=8");
        row("peer port", { "PEER_PORT_TEXTBOX=9333" }, 15, "port=9333");
        row("rpc port", { "RPC_PORT_TEXTBOX=9332" }, 16, "rpcport=9332");
        row("comment", { "UACOMMENT_TEXTBOX=Grüße \"x\" \\" }, 17, "uacomment=Grüße \"x\" \\");
        row("rpc user", { "RPC_USER_TEXTBOX=me" }, 19, "rpcuser=me");
        row("rpc password", { "RPC_PASSWORD_TEXTBOX=pw" }, 20, "rpcpassword=pw");
        row("rpcauth, two lines", { "RPC_AUTH_TEXTBOX=me:a$b\r\nsecond" }, 22, "second");
        row("user's block", { "USER_DEFINED_SETTINGS_TEXTBOX=regtest=1\r\ntxindex=1" }, 24, "txindex=1");
        row("node list, the last line", { "FULL_NODE_LIST_TEXTBOX=addnode=x" }, 25, "addnode=x");
    }

    void storedFieldRendersItsLine()
    {
        QFETCH(QStringList, stored);
        QFETCH(int, number);
        QFETCH(QString, line);
        QCOMPARE(ConfModelRig(stored).line(number), line);
    }

    // Unticking a rule's box unticks and greys its dependent, which ignores ticks until the rule's is ticked.
    void untickingARuleGreysItsDependent_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("dependent");
        QTest::newRow("wallet") << QString("WALLET_TICKBOX") << QString("DISABLE_WALLET_TICKBOX");
        QTest::newRow("old wallet support")
            << QString("OLD_WALLET_SUPPORT_TICKBOX") << QString("DAEMON_TICKBOX");
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

    // Each coin sets its name and ports; Vertcoin copies its node list, the others empty it, and Namecoin
    // alone ticks old wallet support and the daemon.
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

    // Basic settings set the lines every coin shares, keep the wallet's Disabled box and the coin's ports,
    // and undo Namecoin's daemon switch.
    void basicSettingsSetTheSharedLines()
    {
        ConfModelRig rig({ "WALLET_TICKBOX=1", "DISABLE_WALLET_TICKBOX=1", "UACOMMENT_TEXTBOX=x" });
        rig.model.applyCoinPreset(kCoinPresets[1]);
        rig.model.applyBasicSettings();
        QStringList lines;
        for (int n = 2; n <= 17; ++n)
            lines << rig.line(n);
        QCOMPARE(lines.join(' '),
            "wallet=wallet.dat disablewallet=1 server=1 alerts=1 listen=1 #upnp=0 dns=1 #daemon=0 "
            "allowip=127.0.0.1 rpcallowip=127.0.0.1 timeout=3000 rpctimeout=3000 maxconnections=20 "
            "port=8334 rpcport=8336 #uacomment=");
        QVERIFY(!rig.model.isEnabled(&ConfFields::daemon));
    }
};

QTEST_MAIN(TestConfText)
#include "test_conf_text.moc"
