#include "crypto_settings/command_line_builder.h"

#include <QtTest>

Q_DECLARE_METATYPE(CommandLineFields)

namespace {

// Example folders and files, data folder D:\BitcoinData.
CommandLineFields node(const QString& qtSwitch, const QString& daemonSwitch, const QString& cliSwitch)
{
    return { R"(C:\Program Files\Bitcoin)", "bitcoin-qt.exe", R"(C:\Program Files\Bitcoin\Daemon)",
        "bitcoind.exe", "bitcoin-cli.exe", R"(D:\BitcoinData)", R"(C:\Nodes\btc-node-CRYPTO-CONFIG.conf)",
        qtSwitch, daemonSwitch, cliSwitch };
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

    const CommandLineFields on = node("-disablewallet=0", "-disablewallet=1", "-daemon=1");
    const CommandLineFields off = node({}, {}, {});
    const QStringList examples[] = {
        { R"("C:\Program Files\Bitcoin\bitcoin-qt.exe" -conf="C:\Nodes\btc-node-CRYPTO-CONFIG.conf" -datadir="D:\BitcoinData" -disablewallet=0)",
            R"("C:\Program Files\Bitcoin\Daemon\bitcoind.exe" -conf="C:\Nodes\btc-node-CRYPTO-CONFIG.conf" -datadir="D:\BitcoinData" -disablewallet=1)",
            R"("C:\Program Files\Bitcoin\Daemon\bitcoin-cli.exe" -conf="C:\Nodes\btc-node-CRYPTO-CONFIG.conf" -daemon=1 stop)" },
        { R"("C:\Program Files\Bitcoin\bitcoin-qt.exe" -conf="C:\Nodes\btc-node-CRYPTO-CONFIG.conf" -datadir="D:\BitcoinData" )",
            R"("C:\Program Files\Bitcoin\Daemon\bitcoind.exe" -conf="C:\Nodes\btc-node-CRYPTO-CONFIG.conf" -datadir="D:\BitcoinData" )",
            R"("C:\Program Files\Bitcoin\Daemon\bitcoin-cli.exe" -conf="C:\Nodes\btc-node-CRYPTO-CONFIG.conf"  stop)" },
    };
    // With "/" only the separator before each program's name changes.
    const auto slashed = [](QString line) { return line.replace(R"(\bitcoin)", "/bitcoin"); };
    for (int i = 0; i < 2; ++i) {
        const CommandLineFields& fields = i == 0 ? on : off;
        const QStringList& lines = examples[i];
        QTest::addRow("example %d, \\", i + 1) << fields << QChar(u'\\') << lines[0] << lines[1] << lines[2];
        QTest::addRow("example %d, /", i + 1)
            << fields << QChar(u'/') << slashed(lines[0]) << slashed(lines[1]) << slashed(lines[2]);
    }
    const QString conf = R"( -conf="C:\Nodes\btc-node-CRYPTO-CONFIG.conf")";

    CommandLineFields empty;
    empty.confFileLocation = R"(C:\Nodes\K.conf)";
    QTest::newRow("all empty") << empty << QChar(u'\\') << R"("\" -conf="C:\Nodes\K.conf" -datadir="" )"
                               << R"("\" -conf="C:\Nodes\K.conf" -datadir="" )"
                               << R"("\" -conf="C:\Nodes\K.conf"  stop)";

    CommandLineFields roots = on;
    roots.qtLocation = R"(C:\)";
    roots.daemonCliLocation = "/";
    roots.blockchainHome = R"(D:\)";
    QTest::newRow("folders ending in a separator")
        << roots << QChar(u'\\') << R"("C:\\bitcoin-qt.exe")" + conf + R"( -datadir="D:\" -disablewallet=0)"
        << R"("/\bitcoind.exe")" + conf + R"( -datadir="D:\" -disablewallet=1)"
        << R"("/\bitcoin-cli.exe")" + conf + " -daemon=1 stop";

    CommandLineFields quoted = off;
    quoted.qtName = R"(bit"coin.exe)";
    quoted.blockchainHome = R"( D:\My "Data" )";
    quoted.cliName = R"(cli" -x ")";
    QTest::newRow("quotes and blanks copied unchanged")
        << quoted << QChar(u'\\')
        << R"("C:\Program Files\Bitcoin\bit"coin.exe")" + conf + R"( -datadir=" D:\My "Data" " )"
        << R"("C:\Program Files\Bitcoin\Daemon\bitcoind.exe")" + conf + R"( -datadir=" D:\My "Data" " )"
        << R"("C:\Program Files\Bitcoin\Daemon\cli" -x "")" + conf + "  stop";
}

void TestCommandLineBuilder::commandLines()
{
    QFETCH(CommandLineFields, fields);
    QFETCH(QChar, separator);
    const CommandLines lines = buildCommandLines(fields, separator);
    QTEST(lines.qt, "qt");
    QTEST(lines.daemon, "daemon");
    QTEST(lines.stop, "stop");
}

QTEST_APPLESS_MAIN(TestCommandLineBuilder)
#include "test_command_line_builder.moc"
