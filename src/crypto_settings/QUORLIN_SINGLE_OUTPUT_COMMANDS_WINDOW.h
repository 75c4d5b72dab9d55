#pragma once

#include "core/app_context.h"
#include "core/form_window.h"

#include <memory>
#include <optional>

namespace Ui {
class QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW;
}

// Shows, one at a time, the three command lines of the node settings, which
// the main window runs, so the user can check or copy them. A shown line
// follows the settings when they change. It runs nothing and stores only its
// position.
class QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW : public FormWindow {
    Q_OBJECT

public:
    QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW(AppContext& context, QWidget* owner);
    ~QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW() override;

private slots:
    void Form_Load();
    void OK_BUTTON_Click();
    void QT_COMMAND_BUTTON_Click();
    void DAEMON_COMMAND_BUTTON_Click();
    void CLI_STOP_COMMAND_BUTTON_Click();

private:
    void showCommand(NodeText command);

    AppContext& m_context;
    std::unique_ptr<Ui::QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW> ui;
    std::optional<NodeText> m_shown;
};
