#include "fakes/fake_platform.h"
#include "fakes/file_bytes.h"
#include "node_control/process_watcher.h"
#include "node_control/watcher_decision.h"
#include "platform/process_runner_qprocess.h"
#include "platform/system_platform.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestProcessWatcher : public QObject {
    Q_OBJECT

private slots:
    // named, running: of "qt daemon cli", each program's image name being its word. shown: per box RUNNING
    // (green), STOPPED (red) or kept (left as it was); then CLI STOP and the start buttons: on, off or kept.
    void decidesFromNamesAndRunningPrograms_data()
    {
        for (const char* column : { "named", "running", "shown" })
            QTest::addColumn<QString>(column);
        const auto row = [](const char* tag, auto... words) {
            ((QTest::newRow(tag) << ... << QString::fromLatin1(words)));
        };
        row("all stopped", "qt daemon cli", "", "STOPPED STOPPED STOPPED on on");
        row("wallet runs", "qt daemon cli", "qt", "RUNNING STOPPED STOPPED on off");
        row("daemon runs", "qt daemon cli", "daemon", "STOPPED RUNNING STOPPED on off");
        row("wallet and daemon run", "qt daemon cli", "qt daemon", "RUNNING RUNNING STOPPED on off");
        row("client runs", "qt daemon cli", "cli", "STOPPED STOPPED RUNNING off on");
        row("only wallet named: start buttons kept", "qt", "qt", "RUNNING kept kept kept kept");
        row("only daemon named: no wallet counts as stopped", "daemon", "qt daemon",
            "kept RUNNING kept kept off");
        row("no daemon name: wallet never locks", "qt cli", "qt cli", "RUNNING kept RUNNING off kept");
    }

    void decidesFromNamesAndRunningPrograms()
    {
        QFETCH(QString, named);
        QFETCH(QString, running);
        const auto name = [&](const QString& word) { return named.contains(word) ? word : QString(); };
        const WatcherView view = decideWatcherView({ name(u"qt"_s), name(u"daemon"_s), name(u"cli"_s) },
            { running.contains(u"qt"), running.contains(u"daemon"), running.contains(u"cli") });
        QStringList shown;
        for (const auto& [box, program] :
            { std::pair(view.boxes[0], "qt"), { view.boxes[1], "daemon" }, { view.boxes[2], "cli" } }) {
            const bool green = box && box->backBgr == 0x00FF00;
            const QString state = green ? u"RUNNING"_s : u"STOPPED"_s;
            const StatusLook look { green ? 0x00FF00u : 0x0000FFu,
                u"%1 - %2 PROCESS %3"_s.arg(program, QString::fromLatin1(program).toUpper(), state) };
            shown << (!box ? u"kept"_s : *box == look ? state : box->toolTip);
        }
        for (const std::optional<bool>& enabled : { view.cliStopEnabled, view.startButtonsEnabled })
            shown << (!enabled ? u"kept"_s : *enabled ? u"on"_s : u"off"_s);
        QTEST(shown.join(u' '), "shown");
    }

    // One look per tick asks every configured name once; none without names. A failed look counts every name
    // as not running; the next one asks again.
    void answersEveryNameFromOneLook()
    {
        FakeProcessQuery query;
        query.processIds.insert(1, u"LITECOIND"_s);
        ProcessWatcher watcher(query);
        watcher.takeSnapshot({});
        QVERIFY(query.looks.isEmpty() && !watcher.isRunning(QString()));
        for (const bool failing : { false, true, false }) {
            query.failing = failing;
            watcher.takeSnapshot({ u"litecoind"_s, u"litecoind"_s, u"litecoin-cli"_s });
            QVERIFY(watcher.isRunning(u"litecoind"_s) != failing && !watcher.isRunning(u"litecoin-cli"_s));
        }
        QCOMPARE(query.looks, QList<QStringList>(3, { u"litecoind"_s, u"litecoin-cli"_s }));
    }

    // A client that is a script runs the real client (here a copy of sleep under the client's name) as its
    // child: while the panel's own run of it goes on, the client does not count as running.
    void leavesOutWhatThePanelsOwnRunsStarted()
    {
#ifdef Q_OS_WIN
        QSKIP("No POSIX shell for the script; node_programs_windows runs one in a job.");
#endif
        QTemporaryDir dir;
        const QString cli = u"qrl-cli-%1"_s.arg(QCoreApplication::applicationPid());
        const QString wrapper = dir.filePath(u"wrapper"_s);
        QVERIFY(QFile::copy(u"/bin/sleep"_s, dir.filePath(cli))
            && writeFile(wrapper, u"#!/bin/sh\n'%1' 20\necho after\n"_s.arg(dir.filePath(cli)).toUtf8()));
        QVERIFY(QFile::setPermissions(wrapper, QFile::permissions(wrapper) | QFile::ExeOwner));
        QProcessRunner runner;
        runner.run(wrapper, {}, 0, ProcessRunner::Caller::Panel, this, [](const ProcessAnswer&) {});
        const std::unique_ptr<ProcessQuery> query = createSystemProcessQuery();
        QTRY_COMPARE_WITH_TIMEOUT(query->countProcesses({ cli }), QList { 1 }, 30000); // a busy machine
        ProcessWatcher watcher(*query);
        watcher.takeSnapshot({ {}, {}, cli }, runner.panelGroups());
        QVERIFY(!watcher.isRunning(cli));
    }
};

QTEST_GUILESS_MAIN(TestProcessWatcher)
#include "test_process_watcher.moc"
