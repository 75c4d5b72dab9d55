#include "QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW.h"

#include "core/control_colours.h"
#include "core/window_placement.h"

QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW::QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW(
    AppContext& context, QWidget* owner)
    : FormWindow(owner)
    , m_context(context)
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
    connect(&m_context.node, &NodeSettings::changed, this, [this] {
        if (m_shown)
            showCommand(*m_shown);
    });

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

void QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW::showCommand(NodeText command)
{
    const QString name = command == NodeText::QtCommand ? QStringLiteral("QT")
        : command == NodeText::DaemonCommand            ? QStringLiteral("DAEMON")
                                                        : QStringLiteral("CLI - STOP");
    COMMAND_NAME_LABEL->setText(QStringLiteral("RUN COMMAND - ") + name);
    ALL_COMMANDS_TEXTBOX->setPlainText(m_context.node.text(command));
    m_shown = command;
}

void QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW::QT_COMMAND_BUTTON_Click()
{
    showCommand(NodeText::QtCommand);
}

void QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW::DAEMON_COMMAND_BUTTON_Click()
{
    showCommand(NodeText::DaemonCommand);
}

void QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW::CLI_STOP_COMMAND_BUTTON_Click()
{
    showCommand(NodeText::StopCommand);
}
