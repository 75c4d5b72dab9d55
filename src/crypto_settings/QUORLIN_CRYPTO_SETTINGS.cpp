#include "QUORLIN_CRYPTO_SETTINGS.h"
#include "ui_QUORLIN_CRYPTO_SETTINGS.h"

#include "QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW.h"
#include "command_line_builder.h"
#include "core/control_colours.h"
#include "core/tick_box.h"
#include "platform/executable.h"
#include "platform/program_examples.h"

#include <QFileInfo>
#include <QStyle>

namespace {

const QList<FileFilter> kProgramFilters {
    { QStringLiteral("Applications (*.exe)"), QStringLiteral("*.exe") },
    { QStringLiteral("All files (*.*)"), QStringLiteral("*.*") },
};

} // namespace

QUORLIN_CRYPTO_SETTINGS::QUORLIN_CRYPTO_SETTINGS(
    AppContext& context, const QString& confFile, QWidget* opener)
    : FormWindow(opener, context.store, geometry::kCryptoSettings)
    , m_context(context)
    , ui(std::make_unique<Ui::QUORLIN_CRYPTO_SETTINGS>())
    , m_settings(context.store, context.node)
    , m_confFile(confFile)
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
    const struct {
        QCheckBox* main;
        QCheckBox* disabled;
        QString* switchField;
        const TickPairTexts& texts;
    } pairs[] = {
        { ui->QT_WALLET_TICKBOX, ui->QT_DISABLE_WALLET_TICKBOX, &m_qtWalletSwitch, kWalletSwitchTexts },
        { ui->DAEMON_WALLET_TICKBOX, ui->DAEMON_DISABLE_WALLET_TICKBOX, &m_daemonWalletSwitch,
            kWalletSwitchTexts },
        { ui->CLI_DAEMON_TICKBOX, ui->DISABLE_DAEMON_TICKBOX, &m_cliDaemonSwitch, kDaemonSwitchTexts },
    };
    m_tickPairs.reserve(std::size(pairs));
    for (const auto& pair : pairs) {
        TickPair* tickPair
            = &m_tickPairs.emplace_back(*pair.main, *pair.disabled, *pair.switchField, pair.texts);
        connect(pair.main, &QCheckBox::stateChanged, this, [tickPair] { tickPair->mainChanged(); });
        connect(pair.disabled, &QCheckBox::stateChanged, this, [tickPair] { tickPair->disabledChanged(); });
    }
}

QLineEdit& QUORLIN_CRYPTO_SETTINGS::textBox(std::size_t field) const
{
    return *findChild<QLineEdit*>(CryptoSettings::textControl(field));
}

QCheckBox& QUORLIN_CRYPTO_SETTINGS::tickBox(std::size_t box) const
{
    return *findChild<QCheckBox*>(CryptoSettings::tickControl(box));
}

void QUORLIN_CRYPTO_SETTINGS::Form_Load()
{
    restorePlacement();
    const CryptoSettings::Values values = m_settings.load();
    for (std::size_t i = 0; i < CryptoSettings::kTextCount; ++i)
        textBox(i).setText(values.texts[i]);
    for (std::size_t i = 0; i < CryptoSettings::kTickCount; ++i)
        setTickState(tickBox(i), values.ticks[i]);
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
        m_confFile,
        m_qtWalletSwitch,
        m_daemonWalletSwitch,
        m_cliDaemonSwitch,
    };
    CryptoSettings::Values values;
    for (std::size_t i = 0; i < CryptoSettings::kTextCount; ++i)
        values.texts[i] = textBox(i).text();
    for (std::size_t i = 0; i < CryptoSettings::kTickCount; ++i)
        values.ticks[i] = tickState(tickBox(i));
    m_settings.save(values, buildCommandLines(fields, kPathSeparator));

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
