#include "QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW.h"
#include "ui_QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW.h"

#include "core/control_colours.h"

QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW::QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW(
    AppContext& context, QWidget* owner)
    : FormWindow(owner, context.store, geometry::kOutputCommands)
    , m_context(context)
    , ui(std::make_unique<Ui::QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW>())
{
    ui->setupUi(this);
    paintHeading(*ui->VIEW_OUTPUT_COMMANDS_LABEL);
    paintHeading(*ui->KD_MIRANEL_TITLE_LABEL);

    const struct {
        QPushButton* button;
        void (QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW::*handler)();
    } clicks[] = {
        { ui->OK_BUTTON, &QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW::OK_BUTTON_Click },
        { ui->QT_COMMAND_BUTTON, &QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW::QT_COMMAND_BUTTON_Click },
        { ui->DAEMON_COMMAND_BUTTON, &QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW::DAEMON_COMMAND_BUTTON_Click },
        { ui->CLI_STOP_COMMAND_BUTTON,
            &QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW::CLI_STOP_COMMAND_BUTTON_Click },
    };
    for (const auto& click : clicks)
        connect(click.button, &QPushButton::clicked, this, click.handler);
    connect(&m_context.node, &NodeSettings::changed, this, [this] {
        if (m_shown)
            showCommand(*m_shown);
    });

    Form_Load();
}

QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW::~QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW() = default;

void QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW::Form_Load()
{
    restorePlacement();
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
    ui->COMMAND_NAME_LABEL->setText(QStringLiteral("RUN COMMAND - ") + name);
    ui->ALL_COMMANDS_TEXTBOX->setPlainText(m_context.node.text(command));
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
