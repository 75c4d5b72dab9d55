#pragma once

#include "core/app_context.h"
#include "core/form_window.h"
#include "ui_QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW.h"

class QUORLIN_MAIN;

// Shows, one at a time, the three command lines the live main window would
// run, so the user can check or copy them. It runs nothing and stores only
// its position.
class QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW : public FormWindow,
                                              public Ui::QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW {
    Q_OBJECT

public:
    QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW(
        AppContext& context, const QUORLIN_MAIN& mainWindow, QWidget* owner);

    void Form_Load();
    void Form_Unload() override;
    void OK_BUTTON_Click();
    void QT_COMMAND_BUTTON_Click();
    void DAEMON_COMMAND_BUTTON_Click();
    void CLI_STOP_COMMAND_BUTTON_Click();

private:
    void showCommand(const QString& name, const QString& commandLine);

    AppContext& m_context;
    const QUORLIN_MAIN& m_main;
};
