#include "conf_generator/coin_presets.h"
#include "conf_generator/conf_text.h"

#include <QtTest>

Q_DECLARE_METATYPE(ConfFields)

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
};

QTEST_APPLESS_MAIN(TestConfText)
#include "test_conf_text.moc"
