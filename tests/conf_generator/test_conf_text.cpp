#include "conf_generator/coin_presets.h"
#include "conf_generator/conf_text.h"

#include <QtTest>

Q_DECLARE_METATYPE(ConfFields)

namespace {

// The lines of a text: CR LF between them, none after the last.
QString lines(const QStringList& all)
{
    return all.join("\r\n");
}

const QStringList kEmptyCredentialsAndBlocks { "", "#rpcuser=", "#rpcpassword=", "#rpcauth=", "", "", "",
    "" };

QStringList basicLines(
    const char* coin, const char* disableWallet, const char* daemon, const char* port, const char* rpcPort)
{
    return QStringList {
        QString("# - %1 - CONF FILE CREATED USING KALDERA - MIRANEL - CONF-GENERATOR -").arg(coin),
        "wallet=wallet.dat", disableWallet, "server=1", "alerts=1", "listen=1", "#upnp=0", "dns=1", daemon,
        "allowip=127.0.0.1", "rpcallowip=127.0.0.1", "timeout=3000", "rpctimeout=3000", "maxconnections=20",
        port, rpcPort, "#uacomment="
    };
}

} // namespace

class TestConfText : public QObject {
    Q_OBJECT

private slots:
    void renders_data()
    {
        QTest::addColumn<ConfFields>("fields");
        QTest::addColumn<QString>("text");

        QTest::newRow("first run")
            << ConfFields {}
            << lines(QStringList { "# -  - CONF FILE CREATED USING KALDERA - MIRANEL - CONF-GENERATOR -",
                         "#wallet=", "#disablewallet=0", "#server=0", "#alerts=0", "#listen=0", "#upnp=0",
                         "#dns=0", "#daemon=0", "#allowip=127.0.0.1", "#rpcallowip=127.0.0.1", "#timeout=",
                         "#rpctimeout=", "#maxconnections=", "#port=", "#rpcport=", "#uacomment=" }
                   + kEmptyCredentialsAndBlocks);

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
            << lines({ "# - LTC - CONF FILE CREATED USING KALDERA - MIRANEL - CONF-GENERATOR -",
                   "#wallet=", "#disablewallet=1", "#server=0", "#alerts=0", "#listen=0", "upnp=1", "#dns=0",
                   "#daemon=1", "#allowip=127.0.0.1", "rpcallowip=127.0.0.1", "timeout= ", "rpctimeout=0",
                   "#maxconnections=", "#port=", "#rpcport=", "uacomment=Grüße \"x\" \\", "",
                   "rpcuser=IM_ALL_IN", "#rpcpassword=", "rpcauth=a:b$c", "second", "", "regtest=1",
                   "txindex=1", "", "addnode=10.0.0.1", "addnode=10.0.0.2" });

        // The presets: basic settings keep the name, ports, credentials and
        // blocks; a coin keeps the rest; Namecoin adds the daemon switch,
        // which basic settings take away again; Vertcoin copies its node list.
        ConfFields litecoin = typed;
        litecoin.wallet = true;
        applyBasicSettings(litecoin);
        applyCoinPreset(litecoin, kCoinPresets[2], "addnode=vtc");
        litecoin.rpcUser.clear();
        litecoin.rpcAuth.clear();
        litecoin.userDefinedSettings.clear();
        QTest::newRow("basic, LTC") << litecoin
                                    << lines(basicLines("LTC - Litecoin", "disablewallet=1", "#daemon=0",
                                                 "port=9333", "rpcport=9332")
                                           + kEmptyCredentialsAndBlocks);
        ConfFields namecoin;
        applyCoinPreset(namecoin, kCoinPresets[1], "addnode=vtc");
        applyBasicSettings(namecoin);
        QTest::newRow("NMC, basic") << namecoin
                                    << lines(basicLines("NMC - Namecoin", "disablewallet=0", "#daemon=0",
                                                 "port=8334", "rpcport=8336")
                                           + kEmptyCredentialsAndBlocks);
        applyBasicSettings(namecoin);
        applyCoinPreset(namecoin, kCoinPresets[1], "addnode=vtc");
        QTest::newRow("basic, NMC") << namecoin
                                    << lines(basicLines("NMC - Namecoin", "disablewallet=0", "daemon=1",
                                                 "port=8334", "rpcport=8336")
                                           + kEmptyCredentialsAndBlocks);
        ConfFields vertcoin = namecoin;
        applyCoinPreset(vertcoin, kCoinPresets[3], "addnode=vtc");
        QStringList vertcoinLines
            = basicLines("VTC - Vertcoin", "disablewallet=0", "daemon=1", "port=5889", "rpcport=5888")
            + kEmptyCredentialsAndBlocks;
        vertcoinLines.last() = "addnode=vtc";
        QTest::newRow("NMC, VTC") << vertcoin << lines(vertcoinLines);
    }

    void renders()
    {
        QFETCH(ConfFields, fields);
        QTEST(renderConfText(fields), "text");
    }

    void coinPresets()
    {
        QStringList coins;
        for (const CoinPreset& coin : kCoinPresets)
            coins << QStringList { coin.cryptoName, coin.peerPort, coin.rpcPort }.join(' ');
        QCOMPARE(coins,
            QStringList({ "BTC - Bitcoin 8333 8332", "NMC - Namecoin 8334 8336", "LTC - Litecoin 9333 9332",
                "VTC - Vertcoin 5889 5888", "DASH - Dash 9999 9998", "BTG - BitcoinGold 8338 8332" }));
    }
};

QTEST_APPLESS_MAIN(TestConfText)
#include "test_conf_text.moc"
