#include "fakes/fake_platform.h"
#include "fakes/find_control.h"
#include "node_control/QUORLIN_MAIN.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QStringList imageNames(const char* letters)
{
    const QStringList known { u"litecoin-qt"_s, u"litecoind"_s, u"litecoin-cli"_s };
    QStringList names;
    for (const QChar letter : QLatin1StringView(letters))
        names += known.value(u"qdc"_s.indexOf(letter));
    return names;
}

} // namespace

class TestProcessWatcher : public QObject {
    Q_OBJECT

private slots:
    // One tick against a fake process list. Letters stand for the image names:
    // q litecoin-qt, d litecoind, c litecoin-cli, - none; "!" makes every query
    // fail. looks: per box G (green, running), R (red, stopped) or - (left as it
    // was). after: c when CLI "STOP" is enabled, s when both start buttons are.
    void decidesFromNamesAndProcesses_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("running");
        QTest::addColumn<bool>("buttonsBefore");
        QTest::addColumn<QString>("looks");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QStringList>("queries");
        const auto row = [](const char* name, const char* names, const char* running, bool before,
                             const char* looks, const char* after, const char* queries) {
            QTest::newRow(name) << imageNames(names) << QString::fromLatin1(running) << before
                                << QString::fromLatin1(looks) << QString::fromLatin1(after)
                                << imageNames(queries);
        };
        row("no names: nothing asked", "---", "qdc", false, "---", "", "");
        row("all stopped", "qdc", "", false, "RRR", "cs", "qdcqd");
        row("wallet runs", "qdc", "q", true, "GRR", "c", "qdcqd");
        row("two daemons", "qdc", "dd", true, "RGR", "c", "qdcqd");
        row("client runs", "qdc", "c", true, "RRG", "s", "qdcqd");
        row("only wallet named, running: start buttons kept", "q--", "q", true, "G--", "cs", "q");
        row("only wallet named, stopped: locks kept", "q--", "", false, "R--", "", "q");
        row("only daemon named: empty wallet name not asked", "-d-", "d", true, "-G-", "c", "dd");
        row("client not named", "qd-", "c", false, "RR-", "s", "qdqd");
        row("failing query counts as stopped", "qdc", "dc!", false, "RRR", "cs", "qdcqd");
    }

    void decidesFromNamesAndProcesses()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, running);
        QFETCH(bool, buttonsBefore);
        QFETCH(QString, looks);
        QFETCH(QString, after);
        TestContext t;
        for (const QString& name : imageNames(qPrintable(running)))
            t.fakes.processes.setRunning(name, t.fakes.processes.running.value(name) + 1);
        t.fakes.processes.failing = running.contains(u'!');
        QUORLIN_MAIN w(t.context);
        w.MULTI_PROCESS_WATCHER_TIMER.stop();
        t.context.node.setText(NodeText::QtName, names[0]);
        t.context.node.setText(NodeText::DaemonName, names[1]);
        t.context.node.setText(NodeText::CliName, names[2]);
        for (QPushButton* button : { ctl<QPushButton>(w, "QT_START_BUTTON"),
                 ctl<QPushButton>(w, "DAEMON_START_BUTTON"), ctl<QPushButton>(w, "CLI_STOP_BUTTON") })
            button->setEnabled(buttonsBefore);
        QLineEdit* const boxes[] = { ctl<QLineEdit>(w, "PROCESS_TEXTBOX_1"),
            ctl<QLineEdit>(w, "PROCESS_TEXTBOX_2"), ctl<QLineEdit>(w, "PROCESS_TEXTBOX_3") };
        const auto look = [&](int i) {
            return std::pair(boxes[i]->palette().color(QPalette::Base), boxes[i]->toolTip());
        };
        const decltype(look(0)) before[] = { look(0), look(1), look(2) };

        QMetaObject::invokeMethod(&w, "MULTI_PROCESS_WATCHER_TIMER_Timer");

        QTEST(t.fakes.processes.queries, "queries");
        const char* const suffixes[][2] = { { " - QT PROCESS STOPPED", " - QT PROCESS RUNNING" },
            { " - DAEMON PROCESS STOPPED", " - DAEMON PROCESS RUNNING" },
            { " - CLI PROCESS STOPPED", " - CLI PROCESS RUNNING" } };
        for (int i = 0; i < 3; ++i) {
            const bool green = looks[i] == u'G';
            const auto expected = looks[i] == u'-' ? before[i]
                                                   : std::pair(green ? QColor(0, 255, 0) : QColor(255, 0, 0),
                                                       names[i] + QLatin1String(suffixes[i][green]));
            QCOMPARE(look(i), expected);
        }
        QCOMPARE(ctl<QPushButton>(w, "CLI_STOP_BUTTON")->isEnabled(), after.contains(u'c'));
        QCOMPARE(ctl<QPushButton>(w, "QT_START_BUTTON")->isEnabled(), after.contains(u's'));
        QCOMPARE(ctl<QPushButton>(w, "DAEMON_START_BUTTON")->isEnabled(), after.contains(u's'));
    }
};

QTEST_MAIN(TestProcessWatcher)
#include "test_process_watcher.moc"
