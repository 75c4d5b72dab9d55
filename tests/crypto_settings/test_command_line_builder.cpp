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

        // The launcher splits each line back into exactly the program and the arguments the fields name; an
        // empty switch adds no argument. Quotes in the fields make that impossible.
        if ((fields.qtName + fields.cliName + fields.blockchainHome).contains(u'"'))
            return;
        const QString conf = "-conf=" + fields.confFileLocation, data = "-datadir=" + fields.blockchainHome;
        QList<QStringList> intended { { fields.qtLocation + separator + fields.qtName, conf, data,
                                          fields.qtWalletSwitch },
            { fields.daemonCliLocation + separator + fields.daemonName, conf, data,
                fields.daemonWalletSwitch },
            { fields.daemonCliLocation + separator + fields.cliName, conf, fields.cliDaemonSwitch, "stop" } };
        QList<QStringList> split;
        for (const QString& text : { lines.qt, lines.daemon, lines.stop }) {
            const CommandLine line(text);
            split << (line.quoteLeftOpen() ? QStringList { "(quote left open)" }
                                           : QStringList { line.program() } + line.arguments());
        }
        for (QStringList& arguments : intended)
            arguments.removeAll(QString());
        QCOMPARE(split, intended);
    }

    void splitsLines_data(); // defined below: moc misreads raw strings

    // The program and arguments, "(quote left open)" added when the line has one.
    void splitsLines()
    {
        QFETCH(QString, text);
        const CommandLine line(text);
        QStringList words;
        for (const CommandLine::Word& word : line.words())
            words += word.text;
        if (line.quoteLeftOpen())
            words += "(quote left open)";
        QTEST(words, "words");
        QCOMPARE(line.text(), text);
        QCOMPARE(line.program(), words.value(0));
    }

    void replacesTheLastArgument_data(); // defined below: moc misreads raw strings

    // The new line splits into the old one's words with the last replaced.
    void replacesTheLastArgument()
    {
        QFETCH(QString, text);
        QFETCH(QString, argument);
        const CommandLine line = CommandLine(text).withLastArgument(argument);
        QTEST(line.text(), "replaced");
        QCOMPARE(CommandLine(line.text()).arguments().last(), argument);
    }

    void formatsForWindows_data(); // defined below: moc misreads raw strings

    void formatsForWindows()
    {
        QFETCH(QString, text);
        QTEST(windowsCommandLine(CommandLine(text)), "windows");
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
    const auto row = [](const char* tag, const CommandLineFields& fields, const QStringList& lines) {
        QTest::newRow(tag) << fields << lines;
    };
    const QString conf = R"( -conf="C:\Nodes\btc-node-CRYPTO-CONFIG.conf")";
    const QString data = R"( -datadir="D:\BitcoinData" )";
    row("switches off", off,
        { R"("C:\Program Files\Bitcoin\bitcoin-qt.exe")" + conf + data,
            R"("C:\Program Files\Bitcoin\Daemon\bitcoind.exe")" + conf + data,
            R"("C:\Program Files\Bitcoin\Daemon\bitcoin-cli.exe")" + conf + "  stop" });

    CommandLineFields empty;
    empty.confFileLocation = R"(C:\Nodes\K.conf)";
    row("all empty", empty,
        { R"("\" -conf="C:\Nodes\K.conf" -datadir="" )", R"("\" -conf="C:\Nodes\K.conf" -datadir="" )",
            R"("\" -conf="C:\Nodes\K.conf"  stop)" });

    CommandLineFields roots = on;
    roots.qtLocation = R"(C:\)";
    roots.daemonCliLocation = "/";
    roots.blockchainHome = R"(D:\)";
    row("folders ending in a separator", roots,
        { R"("C:\\bitcoin-qt.exe")" + conf + R"( -datadir="D:\" -disablewallet=0)",
            R"("/\bitcoind.exe")" + conf + R"( -datadir="D:\" -disablewallet=1)",
            R"("/\bitcoin-cli.exe")" + conf + " -daemon=1 stop" });

    CommandLineFields quoted = off;
    quoted.qtName = R"(bit"coin.exe)";
    quoted.blockchainHome = R"( D:\My "Data" )";
    quoted.cliName = R"(cli" -x ")";
    row("quotes and blanks copied unchanged", quoted,
        { R"("C:\Program Files\Bitcoin\bit"coin.exe")" + conf + R"( -datadir=" D:\My "Data" " )",
            R"("C:\Program Files\Bitcoin\Daemon\bitcoind.exe")" + conf + R"( -datadir=" D:\My "Data" " )",
            R"("C:\Program Files\Bitcoin\Daemon\cli" -x "")" + conf + "  stop" });
}

void TestCommandLineBuilder::splitsLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("blanks only") << " \t " << QStringList {};
    QTest::newRow("blanks between words") << " a  b\tc " << QStringList { "a", "b", "c" };
    QTest::newRow("quoted blanks, backslashes kept")
        << R"("C:\a b\" -x="D:\")" << QStringList { R"(C:\a b\)", R"(-x=D:\)" };
    QTest::newRow("three quotes for one") << R"(a """b" c"""" d)" << QStringList { "a", R"("b c")", "d" };
    QTest::newRow("empty quotes make no word") << R"(a "" b)" << QStringList { "a", "b" };
    QTest::newRow("quote left open") << R"(a "b  c)" << QStringList { "a", "b  c", "(quote left open)" };
}

void TestCommandLineBuilder::replacesTheLastArgument_data()
{
    for (const char* column : { "text", "argument", "replaced" })
        QTest::addColumn<QString>(column);
    const auto row = [](const char* tag, const char* text, const char* argument, const char* replaced) {
        QTest::newRow(tag) << QString(text) << QString(argument) << QString(replaced);
    };
    row("blanks around kept", R"( "/my cli" -conf="/a b.conf"  stop  )", "getinfo",
        R"( "/my cli" -conf="/a b.conf"  getinfo  )");
    row("quoted last argument", R"(cli "st op")", "getinfo", "cli getinfo");
    row("argument with blanks and quotes", "cli stop", R"(a "b" c)", R"(cli "a """b""" c")");
    row("only quotes", "cli stop", R"("")", R"(cli """""""")");
    row("program alone", "cli", "getinfo", "cli getinfo");
}

void TestCommandLineBuilder::formatsForWindows_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("windows");
    const auto row = [](const char* tag, const char* text, const char* windows) {
        QTest::newRow(tag) << QString(text) << QString(windows);
    };
    row("builder line", R"("C:\Program Files\b.exe" -conf="C:\N\x.conf" -datadir="D:\Data" -disablewallet=0)",
        R"("C:\Program Files\b.exe" -conf=C:\N\x.conf -datadir=D:\Data -disablewallet=0)");
    row("blanks in a value", R"("C:\b.exe" -conf="C:\My Nodes\x.conf")",
        R"("C:\b.exe" "-conf=C:\My Nodes\x.conf")");
    row("data folder a drive root", R"("C:\b.exe" -datadir="D:\" -x)", R"("C:\b.exe" -datadir=D:\ -x)");
    row("drive root with a blank", R"(b -datadir="D:\ x\" -x)", R"("b" "-datadir=D:\ x\\" -x)");
    row("literal quotes after backslashes", R"(b a\"""b c)", R"("b" "a\\\"b" c)");
    row("quote left open", R"(b "-x=a b)", R"("b" "-x=a b")");
    row("blanks only", "  ", "");
}

QTEST_APPLESS_MAIN(TestCommandLineBuilder)
#include "test_command_line_builder.moc"
