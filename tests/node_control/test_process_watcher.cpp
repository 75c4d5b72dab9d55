#include "fakes/fake_platform.h"
#include "node_control/process_watcher.h"
#include "node_control/watcher_decision.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Letters stand for the programs: q wallet, d daemon, c client, - none.
WatchedNames namesOf(const char* letters)
{
    const auto name = [&](int i, const QString& known) { return letters[i] == '-' ? QString() : known; };
    return { name(0, u"litecoin-qt"_s), name(1, u"litecoind"_s), name(2, u"litecoin-cli"_s) };
}

std::optional<bool> buttonState(char state)
{
    return state == '.' ? std::nullopt : std::optional(state == '+');
}

} // namespace

class TestProcessWatcher : public QObject {
    Q_OBJECT

private slots:
    // running: the programs whose process runs. looks: per box G (green), R
    // (red) or - (left as it was). cli, start: + enabled, - disabled, . kept.
    void decidesFromNamesAndRunningPrograms_data()
    {
        QTest::addColumn<QString>("names");
        QTest::addColumn<QString>("running");
        QTest::addColumn<QString>("looks");
        QTest::addColumn<char>("cli");
        QTest::addColumn<char>("start");
        const auto row = [](const char* tag, const char* names, const char* running, const char* looks,
                             char cli, char start) {
            QTest::newRow(tag) << QString::fromLatin1(names) << QString::fromLatin1(running)
                               << QString::fromLatin1(looks) << cli << start;
        };
        row("no names: all kept", "---", "qdc", "---", '.', '.');
        row("all stopped", "qdc", "", "RRR", '+', '+');
        row("wallet runs", "qdc", "q", "GRR", '+', '-');
        row("daemon runs", "qdc", "d", "RGR", '+', '-');
        row("wallet and daemon run", "qdc", "qd", "GGR", '+', '-');
        row("client runs", "qdc", "c", "RRG", '-', '+');
        row("only wallet named: start buttons kept", "q--", "q", "G--", '.', '.');
        row("only daemon named: no wallet counts as stopped", "-d-", "qd", "-G-", '.', '-');
        row("no daemon name: wallet never locks", "q-c", "qc", "G-G", '-', '.');
    }

    void decidesFromNamesAndRunningPrograms()
    {
        QFETCH(QString, names);
        QFETCH(QString, running);
        QFETCH(QString, looks);
        QFETCH(char, cli);
        QFETCH(char, start);
        const WatchedNames watched = namesOf(qPrintable(names));
        const WatcherView view = decideWatcherView(
            watched, { running.contains(u'q'), running.contains(u'd'), running.contains(u'c') });

        const QString* const boxNames[] = { &watched.qt, &watched.daemon, &watched.cli };
        const char* const programs[] = { "QT", "DAEMON", "CLI" };
        for (int i = 0; i < 3; ++i) {
            const bool green = looks[i] == u'G';
            const std::optional<StatusLook> expected = looks[i] == u'-'
                ? std::nullopt
                : std::optional(StatusLook { green ? 65280u : 255u,
                    *boxNames[i]
                        + u" - %1 PROCESS %2"_s.arg(
                            QLatin1String(programs[i]), QLatin1String(green ? "RUNNING" : "STOPPED")) });
            QCOMPARE(view.boxes[size_t(i)], expected);
        }
        QCOMPARE(view.cliStopEnabled, buttonState(cli));
        QCOMPARE(view.startButtonsEnabled, buttonState(start));
    }

    // One look per tick asks every configured name once; none without names.
    // A failed look counts every name as not running; the next one asks again.
    void answersEveryNameFromOneLook()
    {
        FakeProcessQuery query;
        query.setRunning(u"LITECOIND"_s, 2);
        ProcessWatcher watcher(query);
        const WatchedNames sameName { u"litecoind"_s, u"litecoind"_s, u"litecoin-cli"_s };
        const QStringList names { sameName.daemon, sameName.cli };

        watcher.takeSnapshot(namesOf("---"));
        QVERIFY(query.looks.isEmpty() && !watcher.isRunning(QString()));
        watcher.takeSnapshot(sameName);
        QCOMPARE(query.looks, QList<QStringList> { names });
        QVERIFY(watcher.isRunning(u"litecoind"_s) && !watcher.isRunning(u"litecoin-cli"_s));

        query.failing = true;
        watcher.takeSnapshot(sameName);
        QVERIFY(!watcher.isRunning(u"litecoind"_s));
        query.failing = false;
        watcher.takeSnapshot(sameName);
        QVERIFY(watcher.isRunning(u"litecoind"_s));
        QCOMPARE(query.looks.size(), 3);
    }
};

QTEST_APPLESS_MAIN(TestProcessWatcher)
#include "test_process_watcher.moc"
