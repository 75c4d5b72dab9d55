#pragma once

#include "core/app_context.h"
#include "core/form_window.h"
#include "launch_watch.h"
#include "platform/process_launcher.h"
#include "process_watcher.h"
#include "ui_QUORLIN_MAIN.h"

#include <QElapsedTimer>
#include <QMenu>
#include <QPointer>
#include <QString>
#include <QTimer>

class QUORLIN_NODE_STATUS;

// The startup window: three launch buttons, three process status boxes fed by
// the process watcher, the coin's name and the way into the settings. It lives
// for the whole run; closing it ends the program.
class QUORLIN_MAIN : public FormWindow, public Ui::QUORLIN_MAIN {
    Q_OBJECT

public:
    explicit QUORLIN_MAIN(AppContext& context, QWidget* parent = nullptr);

    // Hidden fields: read and written by this window and by others (the crypto
    // settings save writes the names and command lines; the output commands
    // window reads the command lines; the main settings window switches
    // always-on-top).
    QString QT_NAME_TEXTBOX;
    QString DAEMON_NAME_TEXTBOX;
    QString CLI_NAME_TEXTBOX;
    QString KD_QT_COMMAND_TEXTBOX;
    QString KD_D_COMMAND_TEXTBOX;
    QString KDCLI_STOP_COMMAND_TEXTBOX;
    int AlwaysOnTop_TICKBOX = 0;

    QTimer MULTI_PROCESS_WATCHER_TIMER;
    QTimer AlwaysOnTopTimer;
    // The right-click menu of the window: "Node status...".
    QMenu NODE_MENU;

    void Form_Load();
    void Form_Unload() override;
    void QT_START_BUTTON_Click();
    void DAEMON_START_BUTTON_Click();
    void CLI_STOP_BUTTON_Click();
    void SETTINGS_BUTTON_Click();
    void EXIT_BUTTON_Click();
    void MULTI_PROCESS_WATCHER_TIMER_Timer();
    void AlwaysOnTopTimer_Timer();
    void PROCESS_TEXTBOX_DblClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool IsProcessRunning(const QString& imageName);
    void paintWatcherView(const WatcherView& view);
    void launch(
        const QString& commandLine, WindowStyle style, const QString& program, const QString& logName);
    void reportShortLivedPrograms();
    void savePositionAndStacking();

    AppContext& m_context;
    ProcessWatcher m_watcher;
    QPointer<QUORLIN_NODE_STATUS> m_nodeStatus;
    LaunchWatch m_launches;
    QElapsedTimer m_clock;
};
