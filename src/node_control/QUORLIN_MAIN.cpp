#include "QUORLIN_MAIN.h"

#include "core/control_colours.h"
#include "core/look.h"
#include "core/timer_switch.h"
#include "core/window_placement.h"
#include "main_settings/QUORLIN_MAIN_SETTINGS.h"
#include "settings_picture.h"

namespace {

const QString kTitlePrefix = QStringLiteral("QUORLIN - ");

} // namespace

QUORLIN_MAIN::QUORLIN_MAIN(AppContext& context, QWidget* parent)
    : FormWindow(parent)
    , m_context(context)
    , m_watcher(context.platform.processes)
{
    setupUi(this);
    SETTINGS_BUTTON->setIcon(settingsButtonPicture());
    setBackColour(*SETTINGS_BUTTON, colourFromBgr(kGreenBgr));

    connect(EXIT_BUTTON, &QPushButton::clicked, this, &QUORLIN_MAIN::EXIT_BUTTON_Click);
    connect(SETTINGS_BUTTON, &QPushButton::clicked, this, &QUORLIN_MAIN::SETTINGS_BUTTON_Click);
    connect(QT_START_BUTTON, &QPushButton::clicked, this, &QUORLIN_MAIN::QT_START_BUTTON_Click);
    connect(DAEMON_START_BUTTON, &QPushButton::clicked, this, &QUORLIN_MAIN::DAEMON_START_BUTTON_Click);
    connect(CLI_STOP_BUTTON, &QPushButton::clicked, this, &QUORLIN_MAIN::CLI_STOP_BUTTON_Click);
    connect(&MULTI_PROCESS_WATCHER_TIMER, &QTimer::timeout, this,
        &QUORLIN_MAIN::MULTI_PROCESS_WATCHER_TIMER_Timer);
    connect(&AlwaysOnTopTimer, &QTimer::timeout, this, &QUORLIN_MAIN::AlwaysOnTopTimer_Timer);

    // The watcher runs from creation; the stacking timer only when switched on.
    MULTI_PROCESS_WATCHER_TIMER.start();
    Form_Load();
}

void QUORLIN_MAIN::Form_Load()
{
    SettingsStore& store = m_context.store;
    restorePlacement(*this, store, geometry::kMain);

    CRYPTO_NAME_TEXTBOX->setText(store.readText(QStringLiteral("CRYPTO_NAME_TEXTBOX")));
    QT_NAME_TEXTBOX = store.readText(QStringLiteral("QT_NAME_TEXTBOX"));
    CLI_NAME_TEXTBOX = store.readText(QStringLiteral("CLI_NAME_TEXTBOX"));
    DAEMON_NAME_TEXTBOX = store.readText(QStringLiteral("DAEMON_NAME_TEXTBOX"));
    KD_QT_COMMAND_TEXTBOX = store.readText(QStringLiteral("KD_QT_COMMAND_TEXTBOX"));
    KD_D_COMMAND_TEXTBOX = store.readText(QStringLiteral("KD_D_COMMAND_TEXTBOX"));
    KDCLI_STOP_COMMAND_TEXTBOX = store.readText(QStringLiteral("KDCLI_STOP_COMMAND_TEXTBOX"));
    AlwaysOnTop_TICKBOX = store.readTick(QStringLiteral("AlwaysOnTop_TICKBOX"), 1);

    AlwaysOnTopTimer.setInterval(1000);
    MULTI_PROCESS_WATCHER_TIMER.setInterval(250);

    setWindowTitle(kTitlePrefix + CRYPTO_NAME_TEXTBOX->text());
    // On top from the first showing: the hint given before the native window
    // exists (Form_Load runs before the window is shown) needs no re-creation.
    if (AlwaysOnTop_TICKBOX == 1)
        setWindowFlag(Qt::WindowStaysOnTopHint);
    setTimerEnabled(AlwaysOnTopTimer, AlwaysOnTop_TICKBOX == 1);
}

void QUORLIN_MAIN::savePositionAndStacking()
{
    savePosition(*this, m_context.store, geometry::kMain);
    m_context.store.writeTick(QStringLiteral("AlwaysOnTop_TICKBOX"), AlwaysOnTop_TICKBOX);
}

void QUORLIN_MAIN::Form_Unload()
{
    MULTI_PROCESS_WATCHER_TIMER.stop();
    AlwaysOnTopTimer.stop();
    savePositionAndStacking();
}

void QUORLIN_MAIN::EXIT_BUTTON_Click()
{
    savePositionAndStacking();
    unload();
}

void QUORLIN_MAIN::SETTINGS_BUTTON_Click()
{
    QUORLIN_MAIN_SETTINGS window(m_context, *this);
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
    launch(KD_QT_COMMAND_TEXTBOX, WindowStyle::Normal);
}

void QUORLIN_MAIN::DAEMON_START_BUTTON_Click()
{
    launch(KD_D_COMMAND_TEXTBOX, WindowStyle::Hidden);
}

void QUORLIN_MAIN::CLI_STOP_BUTTON_Click()
{
    launch(KDCLI_STOP_COMMAND_TEXTBOX, WindowStyle::Hidden);
}

bool QUORLIN_MAIN::IsProcessRunning(const QString& imageName)
{
    return m_watcher.isRunning(imageName);
}

// One look at the process list answers every name of the tick.
void QUORLIN_MAIN::MULTI_PROCESS_WATCHER_TIMER_Timer()
{
    const WatchedNames names { QT_NAME_TEXTBOX, DAEMON_NAME_TEXTBOX, CLI_NAME_TEXTBOX };
    m_watcher.takeSnapshot(names);
    paintWatcherView(decideWatcherView(
        names, { IsProcessRunning(names.qt), IsProcessRunning(names.daemon), IsProcessRunning(names.cli) }));
}

void QUORLIN_MAIN::paintWatcherView(const WatcherView& view)
{
    QLineEdit* const boxes[] = { PROCESS_TEXTBOX_1, PROCESS_TEXTBOX_2, PROCESS_TEXTBOX_3 };
    for (size_t i = 0; i < view.boxes.size(); ++i) {
        if (const std::optional<StatusLook>& look = view.boxes[i]) {
            setBackColour(*boxes[i], colourFromBgr(look->backBgr));
            boxes[i]->setToolTip(look->toolTip);
        }
    }
    if (view.cliStopEnabled)
        CLI_STOP_BUTTON->setEnabled(*view.cliStopEnabled);
    if (view.startButtonsEnabled) {
        DAEMON_START_BUTTON->setEnabled(*view.startButtonsEnabled);
        QT_START_BUTTON->setEnabled(*view.startButtonsEnabled);
    }
}

void QUORLIN_MAIN::AlwaysOnTopTimer_Timer()
{
    m_context.platform.stacking.stackingStep(*this);
}
