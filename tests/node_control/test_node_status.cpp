#include "fakes/fake_platform.h"
#include "node_control/client_call_line.h"
#include "node_control/launch_watch.h"
#include "node_control/node_status_reader.h"
#include "platform/launch_log.h"
#include "platform/masked_command_line.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using Outcome = ProcessAnswer::Outcome;

namespace {

const QDateTime kNow = QDateTime::fromSecsSinceEpoch(1765000000 + 720, Qt::UTC);

ProcessAnswer json(const QString& text)
{
    return { Outcome::Finished, 0, text, {} };
}

const QString kSyncedChain = uR"({"chain":"regtest","blocks":3,"headers":3,"verificationprogress":1,
    "initialblockdownload":false,"time":1765000000,"mediantime":1764999000,"size_on_disk":1234567,
    "pruned":false,"warnings":""})"_s;
const QString kNetwork = uR"({"version":210400,"subversion":"/LitecoinCore:0.21.4/","connections":8,
    "connections_in":2,"connections_out":6,"warnings":""})"_s;

} // namespace

class TestNodeStatus : public QObject {
    Q_OBJECT

private slots:
    // Answers as recorded from clients; network "" means not asked, and each field after the state is "-".
    void readsClientAnswers_data()
    {
        QTest::addColumn<ProcessAnswer>("chain");
        QTest::addColumn<QString>("network");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char* tag, const ProcessAnswer& chain, const QString& network,
                             const QString& shown) { QTest::newRow(tag) << chain << network << shown; };
        const QString noFields = u"answering | - | - | - | - | - | - | - | - | - | none | 0"_s;
        row("synced", json(kSyncedChain), kNetwork,
            u"answering | regtest | 3 | 3 | 100.00 % | no | 2025-12-06 05:46:40 UTC (12 min ago) "
            u"| 8 (in 2, out 6) | 210400, /LitecoinCore:0.21.4/ | 1.2 MB, not pruned | none | 10000"_s);
        row("syncing, 0.17-era fields, warnings list",
            json(uR"({"chain":"main","blocks":100,"headers":2000,"verificationprogress":0.123456,
                "initialblockdownload":true,"mediantime":1764990000,"pruned":true,"warnings":"old"})"_s),
            uR"({"version":170100,"subversion":"/Satoshi:0.17.1/","connections":3,"warnings":["old","low"]})"_s,
            u"answering | main | 100 | 2000 | 12.35 % | yes | 2025-12-06 03:00:00 UTC (median) (2 h ago) | 3 "
            u"| 170100, /Satoshi:0.17.1/ | -, pruned | old; low | 1235"_s);
        row("missing fields, network not json", json(u"{}"_s), u"x"_s, noFields);
        row("numbers out of range",
            json(uR"({"blocks":1e300,"headers":-1,"verificationprogress":1.5,"time":-1e300,
                "mediantime":-9223372036854775808,"size_on_disk":-1e300})"_s),
            uR"({"version":1e19,"connections":-9223372036854775808,"connections_in":1,"connections_out":1})"_s,
            noFields);
        row("block time in the year 10000", json(uR"({"time":253402300800})"_s), u"{}"_s, noFields);
        row("long warning cut", json(u"{\"warnings\":\"%1\"}"_s.arg(QString(400, u'w'))), u"{}"_s,
            u"answering | - | - | - | - | - | - | - | - | - | "_s + QString(300, u'w') + u"… | 0"_s);
        row("warm-up",
            { Outcome::Finished, 28, {}, u"error code: -28\nerror message:\nLoading block index...\n"_s }, {},
            u"starting: Loading block index..."_s);
        row("other rpc error",
            { Outcome::Finished, 1, {}, u"error code: -32601\nerror message:\nMethod not found"_s }, {},
            u"not answering: Method not found (error code: -32601)"_s);
        row("connection refused",
            { Outcome::Finished, 1, {},
                u"error: Could not connect to the server 127.0.0.1:19443\n\nMake sure the ..."_s },
            {}, u"not answering: Could not connect to the server 127.0.0.1:19443"_s);
        row("silent failure", { Outcome::Finished, 3, {}, {} }, {},
            u"not answering: The command-line client ended with exit code 3."_s);
        row("no reply", { Outcome::TimedOut, 9, {}, {} }, {}, u"not answering (no reply in 10 s)"_s);
        row("client missing", { Outcome::NotStarted, -1, {}, u"/x/cli: No such file"_s }, {},
            u"not answering: the command-line client cannot run: /x/cli: No such file"_s);
        row("not json", json(u"\n<html>proxy\nerror</html>"_s), {}, u"unexpected answer: <html>proxy"_s);
    }

    void readsClientAnswers()
    {
        QFETCH(ProcessAnswer, chain);
        QFETCH(QString, network);
        const NodeStatusView view
            = readNodeStatus(chain, network.isEmpty() ? std::nullopt : std::optional(json(network)), kNow);
        QFETCH(QString, shown);
        // Every field of the view, in the window's order, in one line.
        const QString flat = QStringList { view.state, view.chain, view.blocks, view.headers, view.progress,
            view.initialDownload, view.bestBlockTime, view.peers, view.version, view.disk, view.warnings,
            QString::number(view.progressHundredths) }
                                 .join(u" | "_s);
        QCOMPARE(flat, network.isEmpty() ? shown + u" | - | - | - | - | - | - | - | - | - | - | 0"_s : shown);
    }

    // The stop line's last argument "stop" is what a call replaces.
    void checksTheStopLine_data()
    {
        QTest::addColumn<QString>("stopLine");
        QTest::addColumn<QString>("problem");
        const QString notStop = u"The command-line client line does not end in \"stop\", so it is not a stop "
                                "command: "_s;
        const auto row = [](const char* tag, const QString& stopLine, const QString& problem) {
            QTest::newRow(tag) << stopLine << problem;
        };
        row("quoted paths, blanks after stop", u"\"/opt/my ltc/cli\" -conf=\"/a b.conf\"  stop  "_s, {});
        row("stop quoted", u"cli \"stop\""_s, {});
        row("a literal quote before stop", u"cli -uacomment=\"\"\" stop"_s, {});
        row("blank", u"  "_s, u"No command-line client configured: open CRYPTO SETTINGS"_s);
        row("open quote", u"\"/opt/cli stop"_s,
            u"The command-line client line cannot be split: a double quote is never closed."_s);
        row("another four-letter word", u"cli help"_s, notStop + u"cli help"_s);
        row("stop glued to a word", u"cli -nostop"_s, notStop + u"cli -nostop"_s);
        row("stop alone", u"stop"_s, notStop + u"stop"_s);
        row("password masked", u"cli -rpcpassword s3cret"_s, notStop + u"cli -rpcpassword ***"_s);
    }

    void checksTheStopLine()
    {
        QFETCH(QString, stopLine);
        QTEST(clientCallProblem(CommandLine(stopLine)), "problem");
    }

    // Ticks 250 ms apart, the program seen (+) or missed (-) at each; told: "<tick>:<ms it ran>" per telling.
    void judgesShortLivedPrograms_data()
    {
        QTest::addColumn<QString>("ticks");
        QTest::addColumn<QString>("told");
        QTest::newRow("never appears") << u"---"_s << u"1:250"_s;
        QTest::newRow("runs, then gone") << u"+++---"_s << u"4:1000"_s;
        QTest::newRow("two failed queries apart") << u"++-++-"_s << QString();
        QTest::newRow("runs 15 s, then stops") << QString(60, u'+') + u"--"_s << QString();
        QTest::newRow("gone just before 15 s") << QString(59, u'+') + u"---"_s << u"60:15000"_s;
    }

    void judgesShortLivedPrograms()
    {
        QFETCH(QString, ticks);
        LaunchWatch watch;
        watch.started(u"litecoind"_s, std::make_shared<FakeStartedProgram>(), u"/l/x-daemon.log"_s, 0, 0);
        QStringList told;
        for (qsizetype i = 0; i < ticks.size(); ++i)
            for (const LaunchWatch::Gone& gone :
                watch.tick([&](const QString&) { return ticks[i] == u'+'; }, (i + 1) * 250))
                told << u"%1:%2"_s.arg(i).arg(gone.ranMs);
        QTEST(told.join(u' '), "told");
    }

    // As the launcher splits arguments: a value after "=" or in the next argument is masked, the rest kept.
    void masksPasswords_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("masked");
        const auto row = [](const char* tag, const QString& line, const QString& masked) {
            QTest::newRow(tag) << line << masked;
        };
        row("quoted values and names",
            u"d -rpcpassword=\"a b\" -conf=\"/p q\" \"--RPCPassword=a b\" -walletpassphrase=x"_s,
            u"d -rpcpassword=*** -conf=\"/p q\" \"--RPCPassword=***\" -walletpassphrase=***"_s);
        row("nothing secret", u"d -rpcuser=u \t-datadir=/pass  "_s, u"d -rpcuser=u \t-datadir=/pass  "_s);
        row("value after a blank", u"d -rpcpassword s3cret -server"_s, u"d -rpcpassword *** -server"_s);
        row("quoted value after blanks", u"d --RPCPASSWORD  \"a b\"  -x"_s, u"d --RPCPASSWORD  ***  -x"_s);
        row("empty quotes are no argument", u"d -rpcpassword \"\" s3cret"_s, u"d -rpcpassword \"\" ***"_s);
        row("option as the value of another", u"d -rpcpassword -walletpassphrase s3cret"_s,
            u"d -rpcpassword *** ***"_s);
        row("option last", u"d -rpcpassword"_s, u"d -rpcpassword"_s);
        row("after a literal quote", u"d -uacomment=\"\"\" -rpcpassword=s3cret"_s,
            u"d -uacomment=\"\"\" -rpcpassword=***"_s);
        row("literal quotes in the value", u"d -rpcpassword=\"\"\"a\"\"\" b"_s, u"d -rpcpassword=*** b"_s);
        row("quotes inside the name", u"d -rpc\"pass\"word=s3cret"_s, u"d -rpc\"pass\"word=***"_s);
        row("quote left open", u"d \"-rpcpassword=s3 cret"_s, u"d \"-rpcpassword=***\""_s);
    }

    void masksPasswords()
    {
        QFETCH(QString, line);
        QTEST(maskPasswords(CommandLine(line)), "masked");
    }

    // A start appends its line, passwords masked, to its log, starting over above 1 MB; the message quotes
    // this start's last lines. A folder is never written (modes, links and owners: test_launcher, on POSIX).
    void keepsTheLaunchLog()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"new/x-daemon.log"_s);
        QCOMPARE(prepareLaunchLog(path, CommandLine(u"d -rpcpassword=s3cret -rpcuser=u  -datadir=/pass"_s)),
            QString());
        QFile file(path);
        QVERIFY(file.open(QIODevice::Append));
        for (int i = 1; i <= 25; ++i)
            file.write(u"line %1\n"_s.arg(i).toUtf8());
        file.close();
        QCOMPARE(lastLogLines(path, 0, 20).split(u'\n').first(), u"line 6"_s);
        QVERIFY(lastLogLines(path, 0, 30)
                    .contains(u" d -rpcpassword=*** -rpcuser=u  -datadir=/pass\nline 1\n"_s));
        const qint64 size = launchLogSize(path);
        QCOMPARE(prepareLaunchLog(path, CommandLine(u"e"_s)), QString());
        QVERIFY(
            lastLogLines(path, size, 20).endsWith(u" e"_s) && !lastLogLines(path, size, 20).contains(u'\n'));

        QVERIFY(file.open(QIODevice::Append));
        file.write(QByteArray(kLaunchLogLimit, 'x'));
        file.close();
        QCOMPARE(prepareLaunchLog(path, CommandLine(u"d"_s)), QString());
        QVERIFY(launchLogSize(path) < 100);
        QVERIFY(lastLogLines(path, size, 20).endsWith(u" d"_s)); // started over: read from the beginning

        QVERIFY(!prepareLaunchLog(dir.path(), CommandLine(u"g"_s)).isEmpty());
        QCOMPARE(goneMessage({ u"litecoind"_s, path, 0, 1250, {} }, u"a"_s),
            u"litecoind stopped 1.3 s after it was started.\n\nThe last lines of its output (%1):\n\na"_s.arg(
                path));
    }
};

QTEST_MAIN(TestNodeStatus)
#include "test_node_status.moc"
