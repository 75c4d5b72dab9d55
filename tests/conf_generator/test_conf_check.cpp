#include "conf_generator/conf_check.h"
#include "conf_generator/node_options.h"
#include "conf_generator/rpc_test_credentials.h"
#include "conf_generator/save_check.h"
#include "fakes/fake_platform.h"

#include <QtTest>

namespace {

const QSet<QString> kOptions { "server", "rpcallowip", "rpcbind", "port", "rpcport", "wallet", "addnode",
    "regtest", "testnet", "signet", "chain", "rpcpassword", "rpcauth", "listen", "txindex", "uacomment" };

// "line key problem", the problem in one word.
QStringList brief(const QList<ConfFinding>& findings)
{
    const char* words[] = { "unknown", "refused", "rpc", "public", "hash", "unsafe" };
    QStringList lines;
    for (const ConfFinding& f : findings)
        lines.append(QStringLiteral("%1 %2 %3").arg(f.line).arg(f.key, words[int(f.problem)]));
    return lines;
}

const QString kHelp
    = "Litecoin Core version v0.21.2.1\n\nUsage:  litecoind [options]\n\nOptions:\n\n  -?\n"
      "       Print this help message and exit\n\n  -port=<port>\n       Listen on <port>, not\n"
      "       -notanoption\n  -help-debug\n       Print help with debugging options\n";

// A check of `stopping` refused lines, then `others` ignored ones.
SaveCheck manyFindings(int stopping, int others)
{
    SaveCheck check { {}, "Checked against litecoind." };
    for (int n = 1; n <= stopping + others; ++n)
        check.findings.append(
            { n, "k", n <= stopping ? ConfProblem::RefusedOnTestChain : ConfProblem::UnknownKey, "regtest" });
    return check;
}

// How many findings a text lists, and its lines that count the rest.
QString listed(const QString& text)
{
    const QStringList lines = text.split('\n');
    QStringList summary { QString::number(lines.filter(QRegularExpression("^Line ")).size()) };
    return (summary + lines.filter(QRegularExpression("^and "))).join(", ");
}

// The options readNodeOptions gives once the runner has answered.
NodeOptions read(const QString& commandLine, ProgramHelpReader& reader)
{
    QObject receiver;
    std::optional<NodeOptions> node;
    readNodeOptions(
        CommandLine(commandLine), reader, &receiver, [&](const NodeOptions& answer) { node = answer; });
    return QTest::qWaitFor([&] { return node.has_value(); }) ? *node
                                                             : NodeOptions { std::nullopt, "no answer" };
}

} // namespace

class TestConfCheck : public QObject {
    Q_OBJECT

private slots:
    void findings_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("knownOptions"); // otherwise the node's options are unknown
        QTest::addColumn<QStringList>("expected");

        const QString password = kRpcTestPresets[0].password.toString();
        const QString auth = kRpcTestPresets[9].auth.toString();
        const auto row = [](const char* name, const QString& text, bool known, const QStringList& expected) {
            QTest::newRow(name) << text << known << expected;
        };
        row("comments, blanks, negations, prefixes",
            "# header\r\nalerts=1\r\nnolisten=1\r\nnoalerts=1\r\n#alerts=1\r\n\r\n txindex = 1 # alerts=1\r\n"
            "regtest.port=1\r\nnot a setting",
            true, { "2 alerts unknown", "4 noalerts unknown" });
        row("top level on testnet, no option list", "testnet=1\nbind=::1\nalerts=1\n", false,
            { "2 bind refused" });
        row("top level on a chain by name", "\nchain=signet\nnoconnect=1", false, { "3 connect refused" });
        row("top level on regtest", "regtest=1\nport=9333\n[main]\nrpcport=1\nwallet=x", true,
            { "2 port refused" });
        row("regtest in its own section", "regtest=1\n[regtest]\nport=9333\naddnode=1.2.3.4", true, {});
        row("top level overridden by section", "regtest=1\nport=1\nregtest.port=2", true, {});
        row("testnet's section is [test]", "testnet=1\nrpcport=19332\n[test]\nrpcport=19332", true, {});
        row("main chain", "regtest=0\n#testnet=1\nchain=main\nport=1\n[regtest]\nregtest=1", true, {});
        row("other chain's section", "chain=regtest\n[test]\nport=1", true, {});
        row("RPC beyond and on loopback",
            "server=1\nrpcallowip=0.0.0.0/0\nrpcallowip=127.0.0.0/0\nrpcbind=10.0.0.5:9332\n"
            "rpcallowip=127.0.0.1\nrpcallowip=127.0.0.0/8\nrpcallowip=::1\nrpcbind=[::1]:9332\n"
            "rpcbind=localhost:9332\nrpcbind=127.0.0.1",
            true, { "2 rpcallowip rpc", "3 rpcallowip rpc", "4 rpcbind rpc" });
        row("RPC server off", "server=0\n#server=1\nrpcallowip=0.0.0.0/0\n[test]\nserver=1", true, {});
        row("public and own credentials",
            "rpcpassword=" + password + "\r\n[main]\r\nrpcauth=" + auth + "\r\n#rpcpassword=" + password
                + "\r\nrpcpassword=" + password + "x",
            true, { "1 rpcpassword public", "3 rpcauth public" });
        row("public credentials on a test chain", "signet=1\r\nrpcpassword=" + password, true, {});
        // The node refuses a "#" anywhere on a line whose name holds "rpcpassword".
        row("# on a password line",
            "rpcpassword=a#b\nrpcuser=a#b\n#rpcpassword=a#b\n[x]\n"
            "rpcpassword=ab # mine\n[rpcpassword]\nx=1 #",
            false, { "1 rpcpassword hash", "5 rpcpassword hash", "7 x hash" });
        row("unsafe user agent comments",
            QString("uacomment=my node (home)\nuacomment=Az09 .,;-_?@\nuacomment=a") + QChar(0)
                + "b\nuacomment=\u00ff\nuacomment=tab\tinside\nuacomment=# (a comment)",
            true, { "1 uacomment unsafe", "3 uacomment unsafe", "4 uacomment unsafe", "5 uacomment unsafe" });
        // A negation clears the comments before it in its place; a chain's section that ends with one leaves
        // out the top level.
        row("user agent comments cleared or elsewhere",
            "regtest=1\nuacomment=(1)\nnouacomment=1\nuacomment=(2)\n[main]\nuacomment=(3)\n[regtest]\n"
            "uacomment=(4)\nnouacomment=\nuacomment=(5)",
            false, { "4 uacomment unsafe", "10 uacomment unsafe" });
        row("user agent comments cleared by the chain's section",
            "regtest=1\nuacomment=(1)\n[regtest]\nuacomment=(2)\nnouacomment=1", false, {});
    }

    void findings()
    {
        QFETCH(QString, text);
        QFETCH(bool, knownOptions);
        QTEST(brief(checkConfText(text, knownOptions ? std::optional(kOptions) : std::nullopt)), "expected");
    }

    // A refusal says why the node refuses: the chain as the user knows it and the section that the line
    // belongs in, or what is wrong with the value.
    void refusalText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const QString refuses = "the node refuses to start, because ";
        const QString agentComment = refuses
            + "a user agent comment may hold only the letters A to Z and a to z, digits, blanks and . , ; - "
              "_ ? @ ";
        const auto row = [](const char* tag, const QString& text, const QString& expected) {
            QTest::newRow(tag) << text << expected;
        };
        row("testnet", "testnet=1\n\nport=1",
            "Line 3, port: " + refuses + "on testnet this line belongs in a [test] section");
        row("signet", "chain=signet\n\nport=1",
            "Line 3, port: " + refuses + "on signet this line belongs in a [signet] section");
        row("# on a password line", "rpcpassword=secret # mine",
            "Line 1, rpcpassword: " + refuses
                + "it cannot tell whether the # on this line begins a comment or belongs to the password");
        row("unsafe characters", QString("uacomment=my (home)\t\u00ff(") + QChar(0),
            "Line 1, uacomment: " + agentComment + "(not ( ) U+0009 \u00ff U+0000)");
        row("many unsafe characters", "uacomment=((<>[]{}!\"%&",
            "Line 1, uacomment: " + agentComment + "(not ( < > [ ] { } ! ...)");
    }

    void refusalText()
    {
        QFETCH(QString, text);
        const QList<ConfFinding> findings = checkConfText(text, std::nullopt);
        QCOMPARE(findings.size(), 1);
        QVERIFY(stopsSave(findings[0]));
        QTEST(describeFinding(findings[0]), "expected");
    }

    // The dialog lists the findings that stop SAVE first and at most 20 in all, the note at most 20 of the
    // others; each list counts what it leaves out.
    void listsAreCut_data()
    {
        QTest::addColumn<int>("stopping");
        QTest::addColumn<int>("others");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("note");
        const auto row
            = [](const char* tag, int stopping, int others, const QString& dialog, const QString& note) {
                  QTest::newRow(tag) << stopping << others << dialog << note;
              };
        row("20 and none", 20, 0, "20", "0");
        row("21 and 1", 21, 1, "20, and 1 more, and 1 more", "1");
        row("100 and 5", 100, 5, "20, and 80 more, and 5 more", "5");
        row("5 and 30", 5, 30, "20, and 15 more", "20, and 10 more");
    }

    void listsAreCut()
    {
        QFETCH(int, stopping);
        QFETCH(int, others);
        const SaveCheck check = manyFindings(stopping, others);
        FakeDialogs dialogs;
        QVERIFY(!confirmConfSave(nullptr, dialogs, check));
        QTEST(listed(dialogs.questions.value(0)), "dialog");
        QTEST(listed(saveNoteText(check)), "note");
    }

    // A finding whose key is a whole block without its line breaks shows its first 300 characters.
    void longFindingLineIsCut()
    {
        SaveCheck check = manyFindings(1, 0);
        check.findings[0].key = QString(1 << 20, 'k');
        FakeDialogs dialogs;
        confirmConfSave(nullptr, dialogs, check);
        QCOMPARE(dialogs.questions.value(0).split('\n').value(3), "Line 1, " + QString(292, 'k') + "...");
    }

    void nodeOptions_data()
    {
        QTest::addColumn<QString>("commandLine"); // "%1" stands for an existing program file
        QTest::addColumn<QString>("help"); // that program's answer to -help; empty: it does not start
        QTest::addColumn<QString>("source"); // "%1" again the program
        const auto row = [](const char* name, const char* line, const QString& help, const QString& source) {
            QTest::newRow(name) << QString(line) << help << source;
        };
        row("help and debug help", "\"%1\" -datadir=\"/data dir\"", kHelp,
            "Checked against %1 (Litecoin Core version v0.21.2.1).");
        const QString skip = "Unknown keys were not checked: ";
        row("none", "", "", skip + "no daemon command line is set.");
        row("open quote", "\"%1", "",
            skip + "the daemon command line has a double quote that is never closed.");
        row("missing", "/no/such/litecoind -regtest", "",
            skip + "the daemon \"/no/such/litecoind\" was not found.");
        row("cannot run", "%1", "",
            skip + "%1 could not be asked for its options: No such file or directory.");
        row("no options", "%1", "Usage: something else\n", skip + "%1 -help lists no options.");
    }

    // -help's options, and -help-debug's where -help lists it; asked once per program file, anew if replaced.
    void nodeOptions()
    {
        QFETCH(QString, commandLine);
        QFETCH(QString, help);
        QFETCH(QString, source);
        QTemporaryDir folder;
        const QString program = folder.path() + "/daemon";
        QFile file(program);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("program") && file.flush());
        FakeProcessRunner runner;
        ProgramHelpReader reader(runner);
        runner.answers.insert(program + " -help",
            help.isEmpty() ? ProcessAnswer { ProcessAnswer::Outcome::NotStarted, -1, {}, {},
                "No such file or directory" }
                           : ProcessAnswer { {}, 0, help });
        runner.answers.insert(program + " -help-debug", { {}, 0, help + "  -debugonly=<n>\n" });
        commandLine.replace("%1", program);
        const NodeOptions node = read(commandLine, reader);
        QCOMPARE(node.source, source.replace("%1", program));
        QCOMPARE(node.options.has_value(), source.startsWith("Checked"));
        if (!node.options)
            return;
        QCOMPARE(*node.options, QSet<QString>({ "port", "help-debug", "debugonly" }));
        QCOMPARE(read(commandLine, reader).options, node.options);
        QCOMPARE(runner.commandLines.size(), 2);
        QVERIFY(file.write(" replaced") && file.flush());
        runner.answers.insert(program + " -help", { {}, 0, "Other Core version v2\n  -port=<port>\n" });
        QCOMPARE(read(commandLine, reader).options, std::optional(QSet<QString>({ "port" })));
        QCOMPARE(runner.commandLines.size(), 3);
    }
};

QTEST_GUILESS_MAIN(TestConfCheck)
#include "test_conf_check.moc"
