// The main window over the real Windows launcher, process query and client runner: DAEMON starts the
// configured daemon hidden, the watcher sees it by its image name, and CLI STOP runs the client that ends it.
// Stand-in programs play the node (stand_in_node.cpp, stand_in_cli.cpp).
#include "crypto_settings/command_line_builder.h"
#include "fakes/fake_platform.h"
#include "fakes/find_control.h"
#include "node_control/QUORLIN_MAIN.h"
#include "platform/command_line.h"
#include "platform/launch_log.h"
#include "platform/process_runner_qprocess.h"
#include "platform/system_platform.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Starting a program under wine can take seconds.
constexpr int kWineTimeoutMs = 20000;

const QString kRunning = u"#00ff00 quorlind.exe - DAEMON PROCESS RUNNING"_s;
const QString kStopped = u"#ff0000 quorlind.exe - DAEMON PROCESS STOPPED"_s;

// The main window with the stand-ins as the node's daemon and client, set up as the crypto settings window
// sets them. The settings and the dialogs are fakes: nothing reaches the registry and no message box waits
// for a click.
struct Rig {
    QTemporaryDir folder; // the node's ".conf" and data folder, and the launch logs
    SystemPlatform system;
    Platform real = system.platform();
    FakeSettingsBacking settings;
    FakeDialogs dialogs;
    AppContext context { Platform { settings, real.launcher, real.processes, real.stacking, dialogs,
        real.executable, real.runner, folder.path(), real.programHelp, real.random } };
    QUORLIN_MAIN window { context };
    CommandLines lines;

    Rig()
    {
        CommandLineFields node;
        node.daemonCliLocation = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
        node.daemonName = u"quorlind.exe"_s;
        node.cliName = u"quorlin-cli.exe"_s;
        // Ending in a backslash, as a drive root does: it must not escape the quote after it.
        node.blockchainHome = QDir::toNativeSeparators(folder.filePath(u"data"_s)) + u'\\';
        node.confFileLocation = QDir::toNativeSeparators(folder.filePath(u"quorlin.conf"_s));
        lines = buildCommandLines(node, u'\\');
        context.node.setText(NodeText::DaemonName, node.daemonName);
        context.node.setText(NodeText::CliName, node.cliName);
        context.node.setText(NodeText::DaemonCommand, lines.daemon);
        context.node.setText(NodeText::StopCommand, lines.stop);
    }

    // What the daemon's status box shows: its colour and its tooltip.
    QString daemonBox() const
    {
        const QLineEdit* box = ctl<QLineEdit>(window, "PROCESS_TEXTBOX_2");
        return box->palette().color(QPalette::Base).name() + u' ' + box->toolTip();
    }
    // What the daemon printed, lines ending in CR LF: its launch log after the line the launch wrote.
    QString daemonOutput() const
    {
        QFile log(folder.filePath(real.executable.name + u"-daemon.log"_s));
        return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()).section(u'\n', 1) : QString();
    }
    void click(const char* button) { QTest::mouseClick(ctl<QPushButton>(window, button), Qt::LeftButton); }

    // A node a test left running is asked to stop, as the client asks, so that its folder can go.
    ~Rig()
    {
        QFile(folder.filePath(u"quorlin.conf.stop"_s)).open(QIODevice::WriteOnly);
        if (!QTest::qWaitFor([this] { return daemonBox() == kStopped; }, kWineTimeoutMs))
            qWarning("The stand-in node is still running.");
    }
};

} // namespace

class TestNodeProgramsWindows : public QObject {
    Q_OBJECT

private slots:
    // DAEMON starts the daemon hidden, with the arguments its command line splits into and its output in the
    // launch log, and its box turns green. CLI STOP runs the client with "stop", the daemon ends and its box
    // turns red; nothing is told, as the client succeeded and the user stopped the daemon.
    void daemonStartsAndCliStopEndsIt()
    {
        Rig r;
        QTRY_COMPARE(r.daemonBox(), kStopped);
        r.click("DAEMON_START_BUTTON");
        QTRY_COMPARE_WITH_TIMEOUT(r.daemonBox(), kRunning, kWineTimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(r.daemonOutput(),
            u"hidden "_s + CommandLine(r.lines.daemon).arguments().join(u'|') + u"\r\n"_s, kWineTimeoutMs);

        r.click("CLI_STOP_BUTTON");
        QTRY_COMPARE_WITH_TIMEOUT(r.daemonBox(), kStopped, kWineTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(r.daemonOutput().endsWith(u"\r\nstopped\r\n"_s), kWineTimeoutMs);
        QCOMPARE(r.dialogs.errors, QStringList());
    }

    // A client that is a script runs the real client as its child (here the stand-in client runs the stand-in
    // node and waits for it). While the panel's own run of it goes on, the child does not count as running;
    // the run's time limit ends the child with it.
    void panelRunEndsWithWhatItStarted()
    {
        QTemporaryDir folder;
        const QString conf = QDir::toNativeSeparators(folder.filePath(u"quorlin.conf"_s));
        const auto stopNode = qScopeGuard([&] { QFile(conf + u".stop"_s).open(QIODevice::WriteOnly); });
        const QString programs = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
        QProcessRunner runner;
        std::optional<ProcessAnswer> answer;
        runCommandLine(runner,
            CommandLine(u"\"%1\\quorlin-cli.exe\" wrap \"%1\\quorlind.exe\" -conf=%2"_s.arg(programs, conf)),
            kWineTimeoutMs, ProcessRunner::Caller::Panel, this, [&](const ProcessAnswer& a) { answer = a; });
        const std::unique_ptr<ProcessQuery> query = createSystemProcessQuery();
        const QStringList node { u"quorlind.exe"_s };
        QTRY_COMPARE_WITH_TIMEOUT(query->countProcesses(node), QList { 1 }, kWineTimeoutMs);
        QCOMPARE(query->countProcesses(node, runner.panelGroups()), QList { 0 });
        QTRY_VERIFY_WITH_TIMEOUT(answer, 2 * kWineTimeoutMs);
        QCOMPARE(answer->outcome, ProcessAnswer::Outcome::TimedOut);
        QTRY_COMPARE_WITH_TIMEOUT(query->countProcesses(node), QList { 0 }, kWineTimeoutMs);
    }

    // A daemon that floods its output leaves at most the limit in the launch log and as much in the ".1"
    // file, the end of its output in the log; failing, it is told with its exit code and its last line.
    void floodingDaemonKeepsItsLogBounded()
    {
        Rig r;
        r.context.node.setText(NodeText::DaemonCommand, r.lines.daemon + u" -flood=50000"_s);
        r.click("DAEMON_START_BUTTON");
        QTRY_COMPARE_WITH_TIMEOUT(r.dialogs.errors.size(), 1, kWineTimeoutMs);
        const QString log = r.folder.filePath(r.real.executable.name + u"-daemon.log"_s);
        QVERIFY(launchLogSize(log) <= kLaunchLogLimit && launchLogSize(log + u".1"_s) <= kLaunchLogLimit);
        QVERIFY2(r.dialogs.errors.first().contains(u"quorlind.exe stopped "_s)
                && r.dialogs.errors.first().contains(u" s after it was started (exit code 1)."_s)
                && r.dialogs.errors.first().contains(u"x\r\nflooded"_s),
            qPrintable(r.dialogs.errors.first().right(300)));
    }
};

QTEST_MAIN(TestNodeProgramsWindows)
#include "test_node_programs_windows.moc"
