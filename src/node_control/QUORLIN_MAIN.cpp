#include "QUORLIN_MAIN.h"
#include "ui_QUORLIN_MAIN.h"

#include "QUORLIN_NODE_STATUS.h"
#include "core/control_colours.h"
#include "core/look.h"
#include "core/timer_switch.h"
#include "main_settings/QUORLIN_MAIN_SETTINGS.h"
#include "node_status_reader.h"
#include "platform/launch_log.h"
#include "platform/masked_command_line.h"
#include "settings_picture.h"

#include <QDir>

namespace {

const QString kTitlePrefix = QStringLiteral("QUORLIN - ");

} // namespace

QUORLIN_MAIN::QUORLIN_MAIN(AppContext& context, QWidget* parent)
    : FormWindow(parent, context.store, geometry::kMain)
    , m_context(context)
    , ui(std::make_unique<Ui::QUORLIN_MAIN>())
    , m_watcher(context.platform.processes)
{
    ui->setupUi(this);
    MULTI_PROCESS_WATCHER_TIMER.setObjectName(QStringLiteral("MULTI_PROCESS_WATCHER_TIMER"));
    AlwaysOnTopTimer.setObjectName(QStringLiteral("AlwaysOnTopTimer"));
    NODE_MENU.setObjectName(QStringLiteral("NODE_MENU"));
    ui->SETTINGS_BUTTON->setIcon(settingsButtonPicture());
    setBackColour(*ui->SETTINGS_BUTTON, colourFromBgr(kGreenBgr));

    connect(ui->EXIT_BUTTON, &QPushButton::clicked, this, &QUORLIN_MAIN::EXIT_BUTTON_Click);
    connect(ui->SETTINGS_BUTTON, &QPushButton::clicked, this, &QUORLIN_MAIN::SETTINGS_BUTTON_Click);
    connect(ui->QT_START_BUTTON, &QPushButton::clicked, this, &QUORLIN_MAIN::QT_START_BUTTON_Click);
    connect(ui->DAEMON_START_BUTTON, &QPushButton::clicked, this, &QUORLIN_MAIN::DAEMON_START_BUTTON_Click);
    connect(ui->CLI_STOP_BUTTON, &QPushButton::clicked, this, &QUORLIN_MAIN::CLI_STOP_BUTTON_Click);
    connect(&MULTI_PROCESS_WATCHER_TIMER, &QTimer::timeout, this,
        &QUORLIN_MAIN::MULTI_PROCESS_WATCHER_TIMER_Timer);
    connect(&AlwaysOnTopTimer, &QTimer::timeout, this, &QUORLIN_MAIN::AlwaysOnTopTimer_Timer);
    connect(&m_context.node, &NodeSettings::changed, this, &QUORLIN_MAIN::showNodeSettings);

    // The node status window opens from a double-click on a status box or
    // from the window's right-click menu.
    for (QLineEdit* box : { ui->PROCESS_TEXTBOX_1, ui->PROCESS_TEXTBOX_2, ui->PROCESS_TEXTBOX_3 })
        box->installEventFilter(this);
    connect(NODE_MENU.addAction(QStringLiteral("Node status...")), &QAction::triggered, this,
        &QUORLIN_MAIN::PROCESS_TEXTBOX_DblClick);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
        [this](const QPoint& at) { NODE_MENU.popup(mapToGlobal(at)); });
    m_clock.start();

    // The watcher runs from creation; the stacking timer only when switched on.
    MULTI_PROCESS_WATCHER_TIMER.start();
    Form_Load();
}

QUORLIN_MAIN::~QUORLIN_MAIN() = default;

void QUORLIN_MAIN::Form_Load()
{
    restorePlacement();
    AlwaysOnTopTimer.setInterval(1000);
    MULTI_PROCESS_WATCHER_TIMER.setInterval(250);
    m_context.node.load();
    // The title names the coin as loaded; a later change shows in the box only.
    setWindowTitle(kTitlePrefix + ui->CRYPTO_NAME_TEXTBOX->text());
    // On top from the first showing: the hint given before the native window
    // exists (Form_Load runs before the window is shown) needs no re-creation.
    if (AlwaysOnTop_TICKBOX() == 1)
        setWindowFlag(Qt::WindowStaysOnTopHint);
}

// The coin's name box and the stacking timer follow the node settings.
void QUORLIN_MAIN::showNodeSettings()
{
    ui->CRYPTO_NAME_TEXTBOX->setText(m_context.node.text(NodeText::CryptoName));
    setTimerEnabled(AlwaysOnTopTimer, AlwaysOnTop_TICKBOX() == 1);
}

void QUORLIN_MAIN::Form_Unload()
{
    // The node status window closes first, storing its own position.
    if (m_nodeStatus)
        m_nodeStatus->unload();
    MULTI_PROCESS_WATCHER_TIMER.stop();
    AlwaysOnTopTimer.stop();
    m_context.node.saveAlwaysOnTop();
}

void QUORLIN_MAIN::EXIT_BUTTON_Click()
{
    // Exit stores these itself and the unload step stores them again: the
    // second write repeats the first, and the store is written once.
    const SettingsStore::Batch batch(m_context.store);
    savePosition();
    m_context.node.saveAlwaysOnTop();
    unload();
}

void QUORLIN_MAIN::SETTINGS_BUTTON_Click()
{
    QUORLIN_MAIN_SETTINGS window(m_context, this);
    window.exec();
}

namespace {

QString couldNotStart(const CommandLine& commandLine, const QString& reason)
{
    return QStringLiteral("Could not start this command line:\n\n%1\n\n%2")
        .arg(maskPasswords(commandLine), reason);
}

} // namespace

// Starts a node program with its output going to "<executable>-<logName>.log"
// in the settings folder, and watches it for the first seconds of its run.
void QUORLIN_MAIN::launch(
    const CommandLine& commandLine, WindowStyle style, const QString& program, const QString& logName)
{
    const QString log
        = QDir(m_context.platform.settingsFolder)
              .filePath(m_context.store.executable().name + u'-' + logName + QStringLiteral(".log"));
    const qint64 logOffset = launchLogSize(log);
    const LaunchResult result = m_context.platform.launcher.launch(commandLine, style, log);
    if (!result.started) {
        m_context.platform.dialogs.showError(this, windowTitle(), couldNotStart(commandLine, result.error));
        return;
    }
    // Told here, once: the diagnostics of an early stop then have no log to quote.
    if (!result.logProblem.isEmpty())
        m_context.platform.dialogs.showError(this, windowTitle(),
            QStringLiteral("This command line was started, but its output is not kept in %1:\n\n%2\n\n%3")
                .arg(log, maskPasswords(commandLine), result.logProblem));
    m_launches.started(
        program, result.program, result.logProblem.isEmpty() ? log : QString(), logOffset, m_clock.elapsed());
    m_followed.append({ result.program, log, commandLine });
}

// A log that could not be written any more (a full disk) is told once; the
// program runs on. Programs that have ended and whose output is copied are
// followed no more.
void QUORLIN_MAIN::reportOutputProblems()
{
    QStringList problems;
    for (qsizetype i = 0; i < m_followed.size();) {
        const Followed& followed = m_followed[i];
        const bool finished = followed.program->finished();
        if (const QString problem = followed.program->takeOutputProblem(); !problem.isEmpty())
            problems.append(
                QStringLiteral("The output of this command line is no longer kept in %1:\n\n%2\n\n%3\n\n"
                               "The program runs on; what it prints from now on is dropped.")
                    .arg(followed.log, maskPasswords(followed.commandLine), problem));
        if (finished)
            m_followed.removeAt(i);
        else
            ++i;
    }
    for (const QString& problem : problems)
        m_context.platform.dialogs.showError(this, windowTitle(), problem);
}

void QUORLIN_MAIN::QT_START_BUTTON_Click()
{
    launch(m_context.node.commandLine(NodeText::QtCommand), WindowStyle::Normal, QT_NAME_TEXTBOX(),
        QStringLiteral("qt"));
}

void QUORLIN_MAIN::DAEMON_START_BUTTON_Click()
{
    launch(m_context.node.commandLine(NodeText::DaemonCommand), WindowStyle::Hidden, DAEMON_NAME_TEXTBOX(),
        QStringLiteral("daemon"));
}

// The stop command runs in the background; only a failure is told, in the
// client's own words. Programs that end now were asked to.
void QUORLIN_MAIN::CLI_STOP_BUTTON_Click()
{
    m_launches.forgetAll();
    const CommandLine commandLine = m_context.node.commandLine(NodeText::StopCommand);
    runCommandLine(m_context.platform.runner, commandLine, 0, ProcessRunner::Caller::User, this,
        [this, commandLine](const ProcessAnswer& answer) {
            if (answer.outcome == ProcessAnswer::Outcome::NotStarted)
                m_context.platform.dialogs.showError(
                    this, windowTitle(), couldNotStart(commandLine, answer.errorOutput));
            else if (answer.exitCode != 0)
                m_context.platform.dialogs.showError(this, windowTitle(), clientErrorText(answer));
        });
}

void QUORLIN_MAIN::PROCESS_TEXTBOX_DblClick()
{
    if (!m_nodeStatus)
        m_nodeStatus = new QUORLIN_NODE_STATUS(m_context,
            { [this] { return ui->CRYPTO_NAME_TEXTBOX->text(); },
                [this] { return m_context.node.commandLine(NodeText::StopCommand); } },
            this);
    m_nodeStatus->show();
    m_nodeStatus->raise();
    m_nodeStatus->activateWindow();
}

bool QUORLIN_MAIN::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        PROCESS_TEXTBOX_DblClick();
        return true;
    }
    return FormWindow::eventFilter(watched, event);
}

void QUORLIN_MAIN::reportShortLivedPrograms()
{
    if (m_launches.isEmpty())
        return;
    const auto gone = m_launches.tick(
        [this](const QString& program) { return IsProcessRunning(program); }, m_clock.elapsed());
    for (const LaunchWatch::Gone& program : gone)
        m_context.platform.dialogs.showError(this, windowTitle(),
            goneMessage(program, lastLogLines(program.outputLog, program.logOffset, 20)));
}

bool QUORLIN_MAIN::IsProcessRunning(const QString& imageName)
{
    return m_watcher.isRunning(imageName);
}

// One look at the process list answers every name of the tick. The programs
// the panel runs itself (the node status window's client calls, the daemon
// asked for its options before a ".conf" is saved) are not the user's and do
// not count.
void QUORLIN_MAIN::MULTI_PROCESS_WATCHER_TIMER_Timer()
{
    const WatchedNames names { QT_NAME_TEXTBOX(), DAEMON_NAME_TEXTBOX(), CLI_NAME_TEXTBOX() };
    m_watcher.takeSnapshot(names, m_context.platform.runner.panelGroups());
    paintWatcherView(decideWatcherView(
        names, { IsProcessRunning(names.qt), IsProcessRunning(names.daemon), IsProcessRunning(names.cli) }));
    reportShortLivedPrograms();
    reportOutputProblems();
}

void QUORLIN_MAIN::paintWatcherView(const WatcherView& view)
{
    QLineEdit* const boxes[] = { ui->PROCESS_TEXTBOX_1, ui->PROCESS_TEXTBOX_2, ui->PROCESS_TEXTBOX_3 };
    for (size_t i = 0; i < view.boxes.size(); ++i) {
        if (const std::optional<StatusLook>& look = view.boxes[i]) {
            setBackColour(*boxes[i], colourFromBgr(look->backBgr));
            boxes[i]->setToolTip(look->toolTip);
        }
    }
    if (view.cliStopEnabled)
        ui->CLI_STOP_BUTTON->setEnabled(*view.cliStopEnabled);
    if (view.startButtonsEnabled) {
        ui->DAEMON_START_BUTTON->setEnabled(*view.startButtonsEnabled);
        ui->QT_START_BUTTON->setEnabled(*view.startButtonsEnabled);
    }
}

void QUORLIN_MAIN::AlwaysOnTopTimer_Timer()
{
    m_context.platform.stacking.stackingStep(*this);
}
