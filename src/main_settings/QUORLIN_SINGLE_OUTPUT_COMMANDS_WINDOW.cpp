#include "QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW.h"

#include "core/control_colours.h"
#include "core/window_placement.h"
#include "node_control/QUORLIN_MAIN.h"

QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW::QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW(
    AppContext& context, const QUORLIN_MAIN& mainWindow, QWidget* owner)
    : FormWindow(owner)
    , m_context(context)
    , m_main(mainWindow)
{
    setupUi(this);
    paintHeading(*VIEW_OUTPUT_COMMANDS_LABEL);
    paintHeading(*KD_MIRANEL_TITLE_LABEL);

    const struct {
        QPushButton* button;
        void (QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW::*handler)();
    } clicks[] = {
        { OK_BUTTON, &QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW::OK_BUTTON_Click },
        { QT_COMMAND_BUTTON, &QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW::QT_COMMAND_BUTTON_Click },
        { DAEMON_COMMAND_BUTTON, &QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW::DAEMON_COMMAND_BUTTON_Click },
        { CLI_STOP_COMMAND_BUTTON, &QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW::CLI_STOP_COMMAND_BUTTON_Click },
    };
    for (const auto& click : clicks)
        connect(click.button, &QPushButton::clicked, this, click.handler);

    Form_Load();
}

void QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW::Form_Load()
{
    restorePlacement(*this, m_context.store, geometry::kOutputCommands);
}

void QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW::Form_Unload()
{
    savePosition(*this, m_context.store, geometry::kOutputCommands);
}

void QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW::OK_BUTTON_Click()
{
    unload();
}

void QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW::showCommand(const QString& name, const QString& commandLine)
{
    COMMAND_NAME_LABEL->setText(QStringLiteral("RUN COMMAND - ") + name);
    ALL_COMMANDS_TEXTBOX->setPlainText(commandLine);
}

void QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW::QT_COMMAND_BUTTON_Click()
{
    showCommand(QStringLiteral("QT"), m_main.KD_QT_COMMAND_TEXTBOX);
}

void QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW::DAEMON_COMMAND_BUTTON_Click()
{
    showCommand(QStringLiteral("DAEMON"), m_main.KD_D_COMMAND_TEXTBOX);
}

void QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW::CLI_STOP_COMMAND_BUTTON_Click()
{
    showCommand(QStringLiteral("CLI - STOP"), m_main.KDCLI_STOP_COMMAND_TEXTBOX);
}
