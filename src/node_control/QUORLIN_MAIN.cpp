#include "QUORLIN_MAIN.h"
#include "ui_QUORLIN_MAIN.h"

#include "core/control_colours.h"
#include "core/look.h"
#include "core/timer_switch.h"
#include "main_settings/QUORLIN_MAIN_SETTINGS.h"
#include "settings_picture.h"

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
}

// The coin's name box and the stacking timer follow the node settings.
void QUORLIN_MAIN::showNodeSettings()
{
    ui->CRYPTO_NAME_TEXTBOX->setText(m_context.node.text(NodeText::CryptoName));
    setTimerEnabled(AlwaysOnTopTimer, AlwaysOnTop_TICKBOX() == 1);
}

void QUORLIN_MAIN::Form_Unload()
{
    MULTI_PROCESS_WATCHER_TIMER.stop();
    AlwaysOnTopTimer.stop();
    m_context.node.saveAlwaysOnTop();
}

void QUORLIN_MAIN::EXIT_BUTTON_Click()
{
    // Exit stores these itself and the unload step stores them again: the second write repeats the first.
    savePosition();
    m_context.node.saveAlwaysOnTop();
    unload();
}

void QUORLIN_MAIN::SETTINGS_BUTTON_Click()
{
    QUORLIN_MAIN_SETTINGS window(m_context, this);
    window.exec();
}

void QUORLIN_MAIN::launch(const QString& commandLine, WindowStyle style)
{
    const LaunchResult result = m_context.platform.launcher.launch(commandLine, style);
    if (!result.started)
        m_context.platform.dialogs.showError(this, windowTitle(),
            QStringLiteral("Could not start this command line:\n\n%1\n\n%2").arg(commandLine, result.error));
}

void QUORLIN_MAIN::QT_START_BUTTON_Click()
{
    launch(KD_QT_COMMAND_TEXTBOX(), WindowStyle::Normal);
}

void QUORLIN_MAIN::DAEMON_START_BUTTON_Click()
{
    launch(KD_D_COMMAND_TEXTBOX(), WindowStyle::Hidden);
}

void QUORLIN_MAIN::CLI_STOP_BUTTON_Click()
{
    launch(KDCLI_STOP_COMMAND_TEXTBOX(), WindowStyle::Hidden);
}

bool QUORLIN_MAIN::IsProcessRunning(const QString& imageName)
{
    return m_watcher.isRunning(imageName);
}

// One look at the process list answers every name of the tick.
void QUORLIN_MAIN::MULTI_PROCESS_WATCHER_TIMER_Timer()
{
    const WatchedNames names { QT_NAME_TEXTBOX(), DAEMON_NAME_TEXTBOX(), CLI_NAME_TEXTBOX() };
    m_watcher.takeSnapshot(names);
    paintWatcherView(decideWatcherView(
        names, { IsProcessRunning(names.qt), IsProcessRunning(names.daemon), IsProcessRunning(names.cli) }));
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
