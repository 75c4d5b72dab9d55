#include "crypto_settings/command_line_builder.h"

#include <QtTest>

Q_DECLARE_METATYPE(CommandLineFields)

namespace {

// The fields of a Windows node whose folders and files hold the example
// values, with the data folder D:\BitcoinData.
CommandLineFields windowsNode(const QString& qtSwitch, const QString& daemonSwitch, const QString& cliSwitch)
{
    return {
        QStringLiteral(R"(C:\Program Files\Bitcoin)"),
        QStringLiteral("bitcoin-qt.exe"),
        QStringLiteral(R"(C:\Program Files\Bitcoin\Daemon)"),
        QStringLiteral("bitcoind.exe"),
        QStringLiteral("bitcoin-cli.exe"),
        QStringLiteral(R"(D:\BitcoinData)"),
        QStringLiteral(R"(C:\Nodes\btc-node-CRYPTO-CONFIG.conf)"),
        qtSwitch,
        daemonSwitch,
        cliSwitch,
    };
}

CommandLineFields linuxNode()
{
    return {
        QStringLiteral("/usr/bin"),
        QStringLiteral("litecoin-qt"),
        QStringLiteral("/usr/bin"),
        QStringLiteral("litecoind"),
        QStringLiteral("litecoin-cli"),
        QStringLiteral("/home/ann/.litecoin"),
        QStringLiteral("/opt/nodes/ltc-CRYPTO-CONFIG.conf"),
        QStringLiteral("-disablewallet=0"),
        QStringLiteral("-disablewallet=1"),
        QStringLiteral("-daemon=0"),
    };
}

} // namespace

class TestCommandLineBuilder : public QObject {
    Q_OBJECT

private slots:
    void commandLines_data();
    void commandLines();
};

void TestCommandLineBuilder::commandLines_data()
{
    QTest::addColumn<CommandLineFields>("fields");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("qt");
    QTest::addColumn<QString>("daemon");
    QTest::addColumn<QString>("stop");

    const QString ticked = QStringLiteral("-disablewallet=0");
    const QString disabled = QStringLiteral("-disablewallet=1");
    const QString daemon = QStringLiteral("-daemon=1");

    QTest::newRow("switches on, Windows")
        << windowsNode(ticked, disabled, daemon) << QChar(u'\\')
        << R"("C:\Program Files\Bitcoin\bitcoin-qt.exe" -conf="C:\Nodes\btc-node-CRYPTO-CONFIG.conf" -datadir="D:\BitcoinData" -disablewallet=0)"
        << R"("C:\Program Files\Bitcoin\Daemon\bitcoind.exe" -conf="C:\Nodes\btc-node-CRYPTO-CONFIG.conf" -datadir="D:\BitcoinData" -disablewallet=1)"
        << R"("C:\Program Files\Bitcoin\Daemon\bitcoin-cli.exe" -conf="C:\Nodes\btc-node-CRYPTO-CONFIG.conf" -daemon=1 stop)";

    QTest::newRow("switches off, Windows")
        << windowsNode({}, {}, {}) << QChar(u'\\')
        << R"("C:\Program Files\Bitcoin\bitcoin-qt.exe" -conf="C:\Nodes\btc-node-CRYPTO-CONFIG.conf" -datadir="D:\BitcoinData" )"
        << R"("C:\Program Files\Bitcoin\Daemon\bitcoind.exe" -conf="C:\Nodes\btc-node-CRYPTO-CONFIG.conf" -datadir="D:\BitcoinData" )"
        << R"("C:\Program Files\Bitcoin\Daemon\bitcoin-cli.exe" -conf="C:\Nodes\btc-node-CRYPTO-CONFIG.conf"  stop)";

    QTest::newRow("switches on, Linux separator")
        << windowsNode(ticked, disabled, daemon) << QChar(u'/')
        << R"("C:\Program Files\Bitcoin/bitcoin-qt.exe" -conf="C:\Nodes\btc-node-CRYPTO-CONFIG.conf" -datadir="D:\BitcoinData" -disablewallet=0)"
        << R"("C:\Program Files\Bitcoin\Daemon/bitcoind.exe" -conf="C:\Nodes\btc-node-CRYPTO-CONFIG.conf" -datadir="D:\BitcoinData" -disablewallet=1)"
        << R"("C:\Program Files\Bitcoin\Daemon/bitcoin-cli.exe" -conf="C:\Nodes\btc-node-CRYPTO-CONFIG.conf" -daemon=1 stop)";

    QTest::newRow("switches off, Linux separator")
        << windowsNode({}, {}, {}) << QChar(u'/')
        << R"("C:\Program Files\Bitcoin/bitcoin-qt.exe" -conf="C:\Nodes\btc-node-CRYPTO-CONFIG.conf" -datadir="D:\BitcoinData" )"
        << R"("C:\Program Files\Bitcoin\Daemon/bitcoind.exe" -conf="C:\Nodes\btc-node-CRYPTO-CONFIG.conf" -datadir="D:\BitcoinData" )"
        << R"("C:\Program Files\Bitcoin\Daemon/bitcoin-cli.exe" -conf="C:\Nodes\btc-node-CRYPTO-CONFIG.conf"  stop)";

    QTest::newRow("Linux node")
        << linuxNode() << QChar(u'/')
        << R"("/usr/bin/litecoin-qt" -conf="/opt/nodes/ltc-CRYPTO-CONFIG.conf" -datadir="/home/ann/.litecoin" -disablewallet=0)"
        << R"("/usr/bin/litecoind" -conf="/opt/nodes/ltc-CRYPTO-CONFIG.conf" -datadir="/home/ann/.litecoin" -disablewallet=1)"
        << R"("/usr/bin/litecoin-cli" -conf="/opt/nodes/ltc-CRYPTO-CONFIG.conf" -daemon=0 stop)";

    CommandLineFields empty;
    empty.confFileLocation = QStringLiteral(R"(C:\Nodes\KD-QUORLIN-CRYPTO-CONFIG.conf)");
    QTest::newRow("all empty") << empty << QChar(u'\\')
                               << R"("\" -conf="C:\Nodes\KD-QUORLIN-CRYPTO-CONFIG.conf" -datadir="" )"
                               << R"("\" -conf="C:\Nodes\KD-QUORLIN-CRYPTO-CONFIG.conf" -datadir="" )"
                               << R"("\" -conf="C:\Nodes\KD-QUORLIN-CRYPTO-CONFIG.conf"  stop)";

    CommandLineFields roots = windowsNode(ticked, ticked, daemon);
    roots.qtLocation = QStringLiteral(R"(C:\)");
    roots.daemonCliLocation = QStringLiteral(R"(E:\)");
    roots.blockchainHome = QStringLiteral(R"(D:\)");
    QTest::newRow("folders ending in a separator")
        << roots << QChar(u'\\')
        << R"("C:\\bitcoin-qt.exe" -conf="C:\Nodes\btc-node-CRYPTO-CONFIG.conf" -datadir="D:\" -disablewallet=0)"
        << R"("E:\\bitcoind.exe" -conf="C:\Nodes\btc-node-CRYPTO-CONFIG.conf" -datadir="D:\" -disablewallet=0)"
        << R"("E:\\bitcoin-cli.exe" -conf="C:\Nodes\btc-node-CRYPTO-CONFIG.conf" -daemon=1 stop)";

    CommandLineFields linuxRoot = linuxNode();
    linuxRoot.qtLocation = QStringLiteral("/");
    linuxRoot.blockchainHome = QStringLiteral("/srv/ltc/");
    QTest::newRow("Linux root folder, data folder ending in a separator")
        << linuxRoot << QChar(u'/')
        << R"("//litecoin-qt" -conf="/opt/nodes/ltc-CRYPTO-CONFIG.conf" -datadir="/srv/ltc/" -disablewallet=0)"
        << R"("/usr/bin/litecoind" -conf="/opt/nodes/ltc-CRYPTO-CONFIG.conf" -datadir="/srv/ltc/" -disablewallet=1)"
        << R"("/usr/bin/litecoin-cli" -conf="/opt/nodes/ltc-CRYPTO-CONFIG.conf" -daemon=0 stop)";

    CommandLineFields quoted = windowsNode({}, ticked, {});
    quoted.qtName = QStringLiteral(R"(bit"coin.exe)");
    quoted.cliName = QStringLiteral(R"(cli" -x ")");
    quoted.blockchainHome = QStringLiteral(R"( D:\My "Data" )");
    QTest::newRow("quotes and blanks copied unchanged")
        << quoted << QChar(u'\\')
        << R"("C:\Program Files\Bitcoin\bit"coin.exe" -conf="C:\Nodes\btc-node-CRYPTO-CONFIG.conf" -datadir=" D:\My "Data" " )"
        << R"("C:\Program Files\Bitcoin\Daemon\bitcoind.exe" -conf="C:\Nodes\btc-node-CRYPTO-CONFIG.conf" -datadir=" D:\My "Data" " -disablewallet=0)"
        << R"("C:\Program Files\Bitcoin\Daemon\cli" -x "" -conf="C:\Nodes\btc-node-CRYPTO-CONFIG.conf"  stop)";
}

void TestCommandLineBuilder::commandLines()
{
    QFETCH(CommandLineFields, fields);
    QFETCH(QChar, separator);
    QFETCH(QString, qt);
    QFETCH(QString, daemon);
    QFETCH(QString, stop);

    const CommandLines lines = buildCommandLines(fields, separator);
    QCOMPARE(lines.qt, qt);
    QCOMPARE(lines.daemon, daemon);
    QCOMPARE(lines.stop, stop);
}

QTEST_APPLESS_MAIN(TestCommandLineBuilder)
#include "test_command_line_builder.moc"
