#include "crypto_settings/command_line_builder.h"
#include "platform/command_line.h"

#include <QtTest>

Q_DECLARE_METATYPE(CommandLineFields)

class TestCommandLineBuilder : public QObject {
    Q_OBJECT

private slots:
    void commandLines_data(); // defined below: moc misreads raw strings

    void commandLines()
    {
        QFETCH(CommandLineFields, fields);
        const QChar separator = u'\\';
        const CommandLines lines = buildCommandLines(fields, separator);
        QTEST(QStringList({ lines.qt, lines.daemon, lines.stop }), "lines");

        // The launcher splits each line back into exactly the program and the arguments the fields
        // name; an empty switch adds no argument. Quotes in the fields make that impossible.
        if ((fields.qtName + fields.cliName + fields.blockchainHome).contains(u'"'))
            return;
        const QString conf = "-conf=" + fields.confFileLocation, data = "-datadir=" + fields.blockchainHome;
        QList<QStringList> intended { { fields.qtLocation + separator + fields.qtName, conf, data,
                                          fields.qtWalletSwitch },
            { fields.daemonCliLocation + separator + fields.daemonName, conf, data,
                fields.daemonWalletSwitch },
            { fields.daemonCliLocation + separator + fields.cliName, conf, fields.cliDaemonSwitch, "stop" } };
        QList<QStringList> split;
        for (const QString& line : { lines.qt, lines.daemon, lines.stop })
            split << splitCommandLine(line).value_or(QStringList { "(quote left open)" });
        for (QStringList& arguments : intended)
            arguments.removeAll(QString());
        QCOMPARE(split, intended);
    }
};

void TestCommandLineBuilder::commandLines_data()
{
    QTest::addColumn<CommandLineFields>("fields");
    QTest::addColumn<QStringList>("lines"); // Qt wallet, daemon, client stop

    const CommandLineFields on { R"(C:\Program Files\Bitcoin)", "bitcoin-qt.exe",
        R"(C:\Program Files\Bitcoin\Daemon)", "bitcoind.exe", "bitcoin-cli.exe", R"(D:\BitcoinData)",
        R"(C:\Nodes\btc-node-CRYPTO-CONFIG.conf)", "-disablewallet=0", "-disablewallet=1", "-daemon=1" };
    CommandLineFields off = on;
    off.qtWalletSwitch = off.daemonWalletSwitch = off.cliDaemonSwitch = QString();
    QTest::newRow("switches off")
        << off
        << QStringList {
               R"("C:\Program Files\Bitcoin\bitcoin-qt.exe" -conf="C:\Nodes\btc-node-CRYPTO-CONFIG.conf" -datadir="D:\BitcoinData" )",
               R"("C:\Program Files\Bitcoin\Daemon\bitcoind.exe" -conf="C:\Nodes\btc-node-CRYPTO-CONFIG.conf" -datadir="D:\BitcoinData" )",
               R"("C:\Program Files\Bitcoin\Daemon\bitcoin-cli.exe" -conf="C:\Nodes\btc-node-CRYPTO-CONFIG.conf"  stop)"
           };
    const QString conf = R"( -conf="C:\Nodes\btc-node-CRYPTO-CONFIG.conf")";

    CommandLineFields empty;
    empty.confFileLocation = R"(C:\Nodes\K.conf)";
    QTest::newRow("all empty") << empty
                               << QStringList { R"("\" -conf="C:\Nodes\K.conf" -datadir="" )",
                                      R"("\" -conf="C:\Nodes\K.conf" -datadir="" )",
                                      R"("\" -conf="C:\Nodes\K.conf"  stop)" };

    CommandLineFields roots = on;
    roots.qtLocation = R"(C:\)";
    roots.daemonCliLocation = "/";
    roots.blockchainHome = R"(D:\)";
    QTest::newRow("folders ending in a separator")
        << roots
        << QStringList { R"("C:\\bitcoin-qt.exe")" + conf + R"( -datadir="D:\" -disablewallet=0)",
               R"("/\bitcoind.exe")" + conf + R"( -datadir="D:\" -disablewallet=1)",
               R"("/\bitcoin-cli.exe")" + conf + " -daemon=1 stop" };

    CommandLineFields quoted = off;
    quoted.qtName = R"(bit"coin.exe)";
    quoted.blockchainHome = R"( D:\My "Data" )";
    quoted.cliName = R"(cli" -x ")";
    QTest::newRow("quotes and blanks copied unchanged")
        << quoted
        << QStringList { R"("C:\Program Files\Bitcoin\bit"coin.exe")" + conf
                   + R"( -datadir=" D:\My "Data" " )",
               R"("C:\Program Files\Bitcoin\Daemon\bitcoind.exe")" + conf + R"( -datadir=" D:\My "Data" " )",
               R"("C:\Program Files\Bitcoin\Daemon\cli" -x "")" + conf + "  stop" };
}

QTEST_APPLESS_MAIN(TestCommandLineBuilder)
#include "test_command_line_builder.moc"
