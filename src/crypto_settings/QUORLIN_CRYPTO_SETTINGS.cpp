#include "QUORLIN_CRYPTO_SETTINGS.h"
#include "ui_QUORLIN_CRYPTO_SETTINGS.h"

#include "QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW.h"
#include "command_line_builder.h"
#include "core/control_colours.h"
#include "core/overloaded.h"
#include "core/tick_box.h"
#include "platform/executable.h"
#include "platform/program_examples.h"

#include <QFileInfo>
#include <QStyle>

#include <variant>

namespace {

using Form = Ui::QUORLIN_CRYPTO_SETTINGS;

// The stored fields, in the order they are read and saved. The coin's and the
// programs' names belong to the node settings, which store them.
const struct {
    QLineEdit* Form::*box;
    std::variant<TextKey, NodeText> key;
} kTextFields[] = {
    { &Form::CRYPTO_NAME_TEXTBOX, NodeText::CryptoName },
    { &Form::BLOCKCHAIN_HOME_TEXTBOX, keys::kBlockchainHome },
    { &Form::QT_LOCATION_TEXTBOX, keys::kQtLocation },
    { &Form::QT_NAME_TEXTBOX, NodeText::QtName },
    { &Form::DAEMON_CLI_LOCATION_TEXTBOX, keys::kDaemonCliLocation },
    { &Form::CLI_NAME_TEXTBOX, NodeText::CliName },
    { &Form::DAEMON_NAME_TEXTBOX, NodeText::DaemonName },
};

// Each pair's main box, then its Disabled box.
const struct {
    QCheckBox* Form::*box;
    TickKey key;
} kTickBoxes[] = {
    { &Form::QT_WALLET_TICKBOX, keys::kQtWallet },
    { &Form::QT_DISABLE_WALLET_TICKBOX, keys::kQtDisableWallet },
    { &Form::DAEMON_WALLET_TICKBOX, keys::kDaemonWallet },
    { &Form::DAEMON_DISABLE_WALLET_TICKBOX, keys::kDaemonDisableWallet },
    { &Form::CLI_DAEMON_TICKBOX, keys::kCliDaemon },
    { &Form::DISABLE_DAEMON_TICKBOX, keys::kDisableDaemon },
};

const QList<FileFilter> kProgramFilters {
    { QStringLiteral("Applications (*.exe)"), QStringLiteral("*.exe") },
    { QStringLiteral("All files (*.*)"), QStringLiteral("*.*") },
};

} // namespace

QUORLIN_CRYPTO_SETTINGS::QUORLIN_CRYPTO_SETTINGS(
    AppContext& context, const QString& confFile, QWidget* opener)
    : FormWindow(opener, context.store, geometry::kCryptoSettings)
    , CONF_FILE_LOCATION_TEXTBOX(confFile)
    , m_context(context)
    , ui(std::make_unique<Ui::QUORLIN_CRYPTO_SETTINGS>())
{
    ui->setupUi(this);
    setCancelButton(ui->CANCEL_BUTTON);
    for (QLabel* heading : { ui->KD_MIRANEL_TITLE_LABEL, ui->MIRANEL_TITLE_LABEL, ui->SETTINGS_LABEL })
        paintHeading(*heading);

    connect(ui->SAVE_BUTTON, &QPushButton::clicked, this, &QUORLIN_CRYPTO_SETTINGS::SAVE_BUTTON_Click);
    connect(ui->CANCEL_BUTTON, &QPushButton::clicked, this, &QUORLIN_CRYPTO_SETTINGS::CANCEL_BUTTON_Click);
    connect(ui->VIEW_OUTPUT_COMMANDS_BUTTON, &QPushButton::clicked, this,
        &QUORLIN_CRYPTO_SETTINGS::VIEW_OUTPUT_COMMANDS_BUTTON_Click);
    connectPickers();
    connectTickPairs();

    Form_Load();
}

QUORLIN_CRYPTO_SETTINGS::~QUORLIN_CRYPTO_SETTINGS() = default;

void QUORLIN_CRYPTO_SETTINGS::connectPickers()
{
    const QIcon folderPicture = style()->standardIcon(QStyle::SP_DirIcon);
    const QIcon filePicture = style()->standardIcon(QStyle::SP_FileIcon);

    const struct {
        QPushButton* button;
        QString title;
        QLineEdit* field;
    } folderPickers[] = {
        { ui->BROWSE_BLOCKCHAIN_FOLDER_BUTTON, QStringLiteral("BLOCKCHAIN HOME FOLDER"),
            ui->BLOCKCHAIN_HOME_TEXTBOX },
        { ui->BROWSE_QT_FOLDER_BUTTON, QStringLiteral("QT - Program folder"), ui->QT_LOCATION_TEXTBOX },
        { ui->BROWSE_DAEMON_FOLDER_BUTTON, QStringLiteral("DAEMON - Program Folder"),
            ui->DAEMON_CLI_LOCATION_TEXTBOX },
    };
    for (const auto& picker : folderPickers) {
        picker.button->setIcon(folderPicture);
        connect(picker.button, &QPushButton::clicked, this, [this, picker] {
            if (const std::optional<QString> folder
                = m_context.platform.dialogs.browseForFolder(this, picker.title))
                picker.field->setText(*folder);
        });
    }

    // Only the chosen file's name goes into the field; its folder stays as typed.
    const struct {
        QPushButton* button;
        QString title;
        QLineEdit* folder;
        QLineEdit* field;
    } filePickers[] = {
        { ui->BROWSE_QT_FILE_BUTTON, QStringLiteral("Select QT.exe File"), ui->QT_LOCATION_TEXTBOX,
            ui->QT_NAME_TEXTBOX },
        { ui->BROWSE_DAEMON_CLI_FILE_BUTTON, QStringLiteral("Select DAEMON-CLI.exe File"),
            ui->DAEMON_CLI_LOCATION_TEXTBOX, ui->CLI_NAME_TEXTBOX },
        { ui->BROWSE_DAEMOND_FILE_BUTTON, QStringLiteral("Select DAEMOND.exe File"),
            ui->DAEMON_CLI_LOCATION_TEXTBOX, ui->DAEMON_NAME_TEXTBOX },
    };
    for (const auto& picker : filePickers) {
        picker.button->setIcon(filePicture);
        connect(picker.button, &QPushButton::clicked, this, [this, picker] {
            const OpenFileRequest request { picker.title, kProgramFilters, QStringLiteral("exe"),
                picker.folder->text() };
            if (const std::optional<QString> file = m_context.platform.dialogs.openFile(this, request))
                picker.field->setText(QFileInfo(*file).fileName());
        });
    }

    const struct {
        QPushButton* button;
        QLineEdit* field;
        QString text;
    } examples[] = {
        { ui->USE_QT_FOLDER_BUTTON, ui->QT_LOCATION_TEXTBOX, kProgramExamples.qtFolder },
        { ui->USE_QT_FILE_BUTTON, ui->QT_NAME_TEXTBOX, kProgramExamples.qtName },
        { ui->USE_DAEMON_FOLDER_BUTTON, ui->DAEMON_CLI_LOCATION_TEXTBOX, kProgramExamples.daemonFolder },
        { ui->USE_DAEMONCLI_FILE_BUTTON, ui->CLI_NAME_TEXTBOX, kProgramExamples.cliName },
        { ui->USE_DAEMOND_FILE_BUTTON, ui->DAEMON_NAME_TEXTBOX, kProgramExamples.daemonName },
    };
    for (const auto& example : examples)
        connect(
            example.button, &QPushButton::clicked, this, [example] { example.field->setText(example.text); });
}

void QUORLIN_CRYPTO_SETTINGS::connectTickPairs()
{
    m_tickPairs.reserve(3);
    m_tickPairs.emplace_back(*ui->QT_WALLET_TICKBOX, *ui->QT_DISABLE_WALLET_TICKBOX,
        QT_DASH_DISABLE_WALLET_EQUALS_TEXTBOX, kWalletSwitchTexts);
    m_tickPairs.emplace_back(*ui->DAEMON_WALLET_TICKBOX, *ui->DAEMON_DISABLE_WALLET_TICKBOX,
        DAEMON_DASH_DISABLE_WALLET_EQUALS_TEXTBOX, kWalletSwitchTexts);
    m_tickPairs.emplace_back(*ui->CLI_DAEMON_TICKBOX, *ui->DISABLE_DAEMON_TICKBOX,
        DASH_DISABLE_DAEMON_EQUALS_TEXTBOX, kDaemonSwitchTexts);

    for (std::size_t pair = 0; pair < m_tickPairs.size(); ++pair) {
        TickPair* tickPair = &m_tickPairs[pair];
        connect(ui.get()->*kTickBoxes[2 * pair].box, &QCheckBox::stateChanged, this,
            [tickPair] { tickPair->mainChanged(); });
        connect(ui.get()->*kTickBoxes[2 * pair + 1].box, &QCheckBox::stateChanged, this,
            [tickPair] { tickPair->disabledChanged(); });
    }
}

void QUORLIN_CRYPTO_SETTINGS::Form_Load()
{
    const SettingsStore& store = m_context.store;
    restorePlacement();
    for (const auto& field : kTextFields) {
        const TextKey& key
            = std::visit(Overloaded { [](const TextKey& own) -> const TextKey& { return own; },
                             [](NodeText shared) -> const TextKey& { return NodeSettings::key(shared); } },
                field.key);
        (ui.get()->*field.box)->setText(store.read(key));
    }
    for (const auto& tick : kTickBoxes)
        setTickState(*(ui.get()->*tick.box), store.read(tick.key));
    for (TickPair& pair : m_tickPairs)
        pair.applyLoaded();
}

void QUORLIN_CRYPTO_SETTINGS::SAVE_BUTTON_Click()
{
    const CommandLineFields fields {
        ui->QT_LOCATION_TEXTBOX->text(),
        ui->QT_NAME_TEXTBOX->text(),
        ui->DAEMON_CLI_LOCATION_TEXTBOX->text(),
        ui->DAEMON_NAME_TEXTBOX->text(),
        ui->CLI_NAME_TEXTBOX->text(),
        ui->BLOCKCHAIN_HOME_TEXTBOX->text(),
        CONF_FILE_LOCATION_TEXTBOX,
        QT_DASH_DISABLE_WALLET_EQUALS_TEXTBOX,
        DAEMON_DASH_DISABLE_WALLET_EQUALS_TEXTBOX,
        DASH_DISABLE_DAEMON_EQUALS_TEXTBOX,
    };
    const CommandLines commands = buildCommandLines(fields, kPathSeparator);
    KD_QT_COMMAND_TEXTBOX = commands.qt;
    KD_D_COMMAND_TEXTBOX = commands.daemon;
    KDCLI_STOP_COMMAND_TEXTBOX = commands.stop;

    SettingsStore& store = m_context.store;
    NodeSettings& node = m_context.node;
    const SettingsStore::Batch batch(store);
    for (const auto& field : kTextFields) {
        const QString text = (ui.get()->*field.box)->text();
        std::visit(Overloaded { [&](const TextKey& own) { store.write(own, text); },
                       [&](NodeText shared) { node.setText(shared, text); } },
            field.key);
    }
    for (const auto& tick : kTickBoxes)
        store.write(tick.key, tickState(*(ui.get()->*tick.box)));
    node.setText(NodeText::QtCommand, KD_QT_COMMAND_TEXTBOX);
    node.setText(NodeText::DaemonCommand, KD_D_COMMAND_TEXTBOX);
    node.setText(NodeText::StopCommand, KDCLI_STOP_COMMAND_TEXTBOX);

    ui->CANCEL_BUTTON->setText(QStringLiteral("Close"));
}

void QUORLIN_CRYPTO_SETTINGS::CANCEL_BUTTON_Click()
{
    unload();
}

void QUORLIN_CRYPTO_SETTINGS::VIEW_OUTPUT_COMMANDS_BUTTON_Click()
{
    QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW window(m_context, this);
    window.exec();
}
