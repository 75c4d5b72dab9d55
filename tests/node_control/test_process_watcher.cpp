#include "fakes/fake_platform.h"
#include "node_control/process_watcher.h"
#include "node_control/watcher_decision.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestProcessWatcher : public QObject {
    Q_OBJECT

private slots:
    // named, running: of "qt daemon cli". boxes: per box RUNNING (green),
    // STOPPED (red) or kept (left as it was). cli stop, start buttons: on, off or kept.
    void decidesFromNamesAndRunningPrograms_data()
    {
        for (const char* column : { "named", "running", "boxes", "cliStop", "start" })
            QTest::addColumn<QString>(column);
        const auto row = [](const char* tag, auto... words) {
            ((QTest::newRow(tag) << ... << QString::fromLatin1(words)));
        };
        row("all stopped", "qt daemon cli", "", "STOPPED STOPPED STOPPED", "on", "on");
        row("wallet runs", "qt daemon cli", "qt", "RUNNING STOPPED STOPPED", "on", "off");
        row("daemon runs", "qt daemon cli", "daemon", "STOPPED RUNNING STOPPED", "on", "off");
        row("wallet and daemon run", "qt daemon cli", "qt daemon", "RUNNING RUNNING STOPPED", "on", "off");
        row("client runs", "qt daemon cli", "cli", "STOPPED STOPPED RUNNING", "off", "on");
        row("only wallet named: start buttons kept", "qt", "qt", "RUNNING kept kept", "kept", "kept");
        row("only daemon named: no wallet counts as stopped", "daemon", "qt daemon", "kept RUNNING kept",
            "kept", "off");
        row("no daemon name: wallet never locks", "qt cli", "qt cli", "RUNNING kept RUNNING", "off", "kept");
    }

    void decidesFromNamesAndRunningPrograms()
    {
        QFETCH(QString, named);
        QFETCH(QString, running);
        QFETCH(QString, boxes);
        const WatchedNames names { named.contains(u"qt") ? u"litecoin-qt"_s : QString(),
            named.contains(u"daemon") ? u"litecoind"_s : QString(),
            named.contains(u"cli") ? u"litecoin-cli"_s : QString() };
        const WatcherView view = decideWatcherView(
            names, { running.contains(u"qt"), running.contains(u"daemon"), running.contains(u"cli") });
        const std::pair<const QString&, const char*> programs[]
            = { { names.qt, "QT" }, { names.daemon, "DAEMON" }, { names.cli, "CLI" } };
        for (size_t i = 0; i < 3; ++i) {
            const QString box = boxes.split(u' ')[qsizetype(i)];
            QCOMPARE(view.boxes[i],
                box == u"kept" ? std::nullopt
                               : std::optional(StatusLook { box == u"RUNNING" ? 65280u : 255u,
                                   programs[i].first + u" - %1 PROCESS "_s.arg(programs[i].second) + box }));
        }
        const auto button = [](const QString& state) {
            return state == u"kept" ? std::nullopt : std::optional(state == u"on");
        };
        QFETCH(QString, cliStop);
        QFETCH(QString, start);
        QCOMPARE(view.cliStopEnabled, button(cliStop));
        QCOMPARE(view.startButtonsEnabled, button(start));
    }

    // One look per tick asks every configured name once; none without names.
    // A failed look counts every name as not running; the next one asks again.
    void answersEveryNameFromOneLook()
    {
        FakeProcessQuery query;
        query.setRunning(u"LITECOIND"_s, 1);
        ProcessWatcher watcher(query);
        const WatchedNames sameName { u"litecoind"_s, u"litecoind"_s, u"litecoin-cli"_s };

        watcher.takeSnapshot({});
        QVERIFY(query.looks.isEmpty() && !watcher.isRunning(QString()));
        watcher.takeSnapshot(sameName);
        QCOMPARE(query.looks, QList<QStringList>({ { sameName.daemon, sameName.cli } }));
        QVERIFY(watcher.isRunning(u"litecoind"_s) && !watcher.isRunning(u"litecoin-cli"_s));
        query.failing = true;
        watcher.takeSnapshot(sameName);
        QVERIFY(!watcher.isRunning(u"litecoind"_s));
        query.failing = false;
        watcher.takeSnapshot(sameName);
        QVERIFY(watcher.isRunning(u"litecoind"_s));
    }
};

QTEST_APPLESS_MAIN(TestProcessWatcher)
#include "test_process_watcher.moc"
