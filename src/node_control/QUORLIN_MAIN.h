#pragma once

#include "core/app_context.h"
#include "core/form_window.h"
#include "launch_watch.h"
#include "platform/process_launcher.h"
#include "process_watcher.h"

#include <QElapsedTimer>
#include <QMenu>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <memory>

class QUORLIN_NODE_STATUS;

namespace Ui {
class QUORLIN_MAIN;
}

// The startup window: three launch buttons, three process status boxes fed by
// the process watcher, the coin's name and the way into the settings. It lives
// for the whole run; closing it ends the program.
class QUORLIN_MAIN : public FormWindow {
    Q_OBJECT

public:
    explicit QUORLIN_MAIN(AppContext& context, QWidget* parent = nullptr);
    ~QUORLIN_MAIN() override;

    // Hidden fields: views of the node settings, which other windows change.
    const QString& QT_NAME_TEXTBOX() const { return m_context.node.text(NodeText::QtName); }
    const QString& DAEMON_NAME_TEXTBOX() const { return m_context.node.text(NodeText::DaemonName); }
    const QString& CLI_NAME_TEXTBOX() const { return m_context.node.text(NodeText::CliName); }
    const QString& KD_QT_COMMAND_TEXTBOX() const { return m_context.node.text(NodeText::QtCommand); }
    const QString& KD_D_COMMAND_TEXTBOX() const { return m_context.node.text(NodeText::DaemonCommand); }
    const QString& KDCLI_STOP_COMMAND_TEXTBOX() const { return m_context.node.text(NodeText::StopCommand); }
    int AlwaysOnTop_TICKBOX() const { return m_context.node.alwaysOnTop(); }

private slots:
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
        const CommandLine& commandLine, WindowStyle style, const QString& program, const QString& logName);
    void reportShortLivedPrograms();
    void reportOutputProblems();
    void showNodeSettings();

    AppContext& m_context;
    std::unique_ptr<Ui::QUORLIN_MAIN> ui;
    // The timers are the window's children, named as they are here.
    QTimer MULTI_PROCESS_WATCHER_TIMER { this };
    QTimer AlwaysOnTopTimer { this };
    // The right-click menu of the window: "Node status...". A window of its
    // own, named as it is here.
    QMenu NODE_MENU;
    ProcessWatcher m_watcher;
    QPointer<QUORLIN_NODE_STATUS> m_nodeStatus;
    LaunchWatch m_launches;
    // Every started program until it has ended and its output is copied.
    struct Followed {
        std::shared_ptr<StartedProgram> program;
        QString log;
        CommandLine commandLine;
    };
    QList<Followed> m_followed;
    QElapsedTimer m_clock;
};
