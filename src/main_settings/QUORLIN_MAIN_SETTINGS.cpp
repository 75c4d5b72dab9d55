#include "QUORLIN_MAIN_SETTINGS.h"
#include "ui_QUORLIN_MAIN_SETTINGS.h"

#include "conf_generator/QUORLIN_CONF_GENERATOR_MAIN.h"
#include "core/control_colours.h"
#include "core/default_conf_path.h"
#include "core/look.h"
#include "core/tick_box.h"
#include "crypto_settings/QUORLIN_CRYPTO_SETTINGS.h"
#include "crypto_settings/QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW.h"
#include "info/QUORLIN_ABOUT.h"

#include <QSignalBlocker>
#include <QStyle>

QUORLIN_MAIN_SETTINGS::QUORLIN_MAIN_SETTINGS(AppContext& context, QWidget* owner)
    : FormWindow(owner, context.store, geometry::kMainSettings)
    , m_context(context)
    , ui(std::make_unique<Ui::QUORLIN_MAIN_SETTINGS>())
    , m_confChoice(context.store)
{
    ui->setupUi(this);
    setCancelButton(ui->CANCEL_BUTTON);
    ui->CONF_BROWSE_BUTTON->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    paintControl(*ui->EXE_FILENAME_HELP_LABEL, kBlackBgr, kGreenBgr);
    for (QLabel* heading : { ui->SETTINGS_LABEL, ui->QUORLIN_TITLE_LABEL, ui->KALDERA_TITLE_LABEL })
        paintHeading(*heading);

    const struct {
        QPushButton* button;
        void (QUORLIN_MAIN_SETTINGS::*handler)();
    } clicks[] = {
        { ui->OK_BUTTON, &QUORLIN_MAIN_SETTINGS::OK_BUTTON_Click },
        { ui->CANCEL_BUTTON, &QUORLIN_MAIN_SETTINGS::CANCEL_BUTTON_Click },
        { ui->CONF_BROWSE_BUTTON, &QUORLIN_MAIN_SETTINGS::CONF_BROWSE_BUTTON_Click },
        { ui->CRYPTO_SETTINGS_BUTTON, &QUORLIN_MAIN_SETTINGS::CRYPTO_SETTINGS_BUTTON_Click },
        { ui->CONF_MANAGER_BUTTON, &QUORLIN_MAIN_SETTINGS::CONF_MANAGER_BUTTON_Click },
        { ui->VIEW_OUTPUT_COMMANDS_BUTTON, &QUORLIN_MAIN_SETTINGS::VIEW_OUTPUT_COMMANDS_BUTTON_Click },
        { ui->ABOUT_BUTTON, &QUORLIN_MAIN_SETTINGS::ABOUT_BUTTON_Click },
    };
    for (const auto& click : clicks)
        connect(click.button, &QPushButton::clicked, this, click.handler);
    connect(ui->USE_OWN_CONF_TICKBOX, &QCheckBox::stateChanged, this,
        &QUORLIN_MAIN_SETTINGS::USE_OWN_CONF_TICKBOX_Click);
    connect(ui->AlwaysOnTop_TICKBOX, &QCheckBox::stateChanged, this,
        &QUORLIN_MAIN_SETTINGS::AlwaysOnTop_TICKBOX_Click);

    Form_Load();
}

QUORLIN_MAIN_SETTINGS::~QUORLIN_MAIN_SETTINGS() = default;

void QUORLIN_MAIN_SETTINGS::Form_Load()
{
    restorePlacement();
    const ConfChoice stored = m_confChoice.load();

    // Loading only shows the stored choices: the tick box reactions, which
    // store them again and switch the main window, wait for a change.
    {
        const QSignalBlocker quietOwnConf(ui->USE_OWN_CONF_TICKBOX);
        const QSignalBlocker quietAlwaysOnTop(ui->AlwaysOnTop_TICKBOX);
        setTickState(*ui->USE_OWN_CONF_TICKBOX, stored.ownFile);
        ui->CONF_FILE_LOCATION_TEXTBOX->setText(stored.location);
        setTickState(*ui->AlwaysOnTop_TICKBOX, m_context.node.alwaysOnTop());
    }

    if (ui->USE_OWN_CONF_TICKBOX->isChecked()) {
        ui->CONF_FILE_LOCATION_TEXTBOX->setEnabled(true);
        ui->CONF_BROWSE_BUTTON->setEnabled(true);
        ui->CONF_MANAGER_BUTTON->setEnabled(false);
    } else {
        ui->CONF_FILE_LOCATION_TEXTBOX->setEnabled(false);
        ui->CONF_BROWSE_BUTTON->setEnabled(false);
        ui->CONF_MANAGER_BUTTON->setEnabled(true);
        ui->CONF_FILE_LOCATION_TEXTBOX->setText(defaultConfPath(m_context.store.executable()));
        setBackColour(*ui->CONF_FILE_LOCATION_TEXTBOX, colourFromBgr(kGreenBgr));
    }
}

ConfChoice QUORLIN_MAIN_SETTINGS::shownConfChoice() const
{
    return { tickState(*ui->USE_OWN_CONF_TICKBOX), ui->CONF_FILE_LOCATION_TEXTBOX->text() };
}

void QUORLIN_MAIN_SETTINGS::saveChoices()
{
    const SettingsStore::Batch batch(m_context.store);
    m_confChoice.save(shownConfChoice());
    m_context.node.setAlwaysOnTop(tickState(*ui->AlwaysOnTop_TICKBOX));
}

void QUORLIN_MAIN_SETTINGS::Form_Unload()
{
    saveChoices();
}

void QUORLIN_MAIN_SETTINGS::OK_BUTTON_Click()
{
    const SettingsStore::Batch batch(m_context.store);
    saveChoices();
    unload();
}

void QUORLIN_MAIN_SETTINGS::CANCEL_BUTTON_Click()
{
    unload();
}

void QUORLIN_MAIN_SETTINGS::USE_OWN_CONF_TICKBOX_Click()
{
    const bool own = ui->USE_OWN_CONF_TICKBOX->isChecked();
    ui->CONF_FILE_LOCATION_LABEL->setEnabled(own);
    ui->CONF_FILE_LOCATION_TEXTBOX->setEnabled(own);
    ui->CONF_FILE_LOCATION_TEXTBOX->setReadOnly(!own);
    ui->CONF_BROWSE_BUTTON->setEnabled(own);
    ui->CONF_MANAGER_BUTTON->setEnabled(!own);
    ui->CONF_FILE_LOCATION_TEXTBOX->setText(
        own ? m_confChoice.load().location : defaultConfPath(m_context.store.executable()));
    m_confChoice.save(shownConfChoice());
}

void QUORLIN_MAIN_SETTINGS::CONF_BROWSE_BUTTON_Click()
{
    const OpenFileRequest request {
        ui->CONF_FILE_LOCATION_LABEL->text(),
        { { QStringLiteral("CONF Files (*.conf)"), QStringLiteral("*.conf") },
            { QStringLiteral("All files (*.*)"), QStringLiteral("*.*") } },
        QStringLiteral("conf"),
        m_context.store.executable().folder,
    };
    if (const std::optional<QString> chosen = m_context.platform.dialogs.openFile(this, request))
        ui->CONF_FILE_LOCATION_TEXTBOX->setText(*chosen);
}

void QUORLIN_MAIN_SETTINGS::AlwaysOnTop_TICKBOX_Click()
{
    m_context.node.setAlwaysOnTop(tickState(*ui->AlwaysOnTop_TICKBOX));
}

void QUORLIN_MAIN_SETTINGS::CRYPTO_SETTINGS_BUTTON_Click()
{
    QUORLIN_CRYPTO_SETTINGS window(m_context, ui->CONF_FILE_LOCATION_TEXTBOX->text(), this);
    window.exec();
}

void QUORLIN_MAIN_SETTINGS::CONF_MANAGER_BUTTON_Click()
{
    QUORLIN_CONF_GENERATOR_MAIN window(m_context, this);
    window.exec();
}

void QUORLIN_MAIN_SETTINGS::VIEW_OUTPUT_COMMANDS_BUTTON_Click()
{
    QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW window(m_context, this);
    window.exec();
}

void QUORLIN_MAIN_SETTINGS::ABOUT_BUTTON_Click()
{
    QUORLIN_ABOUT window(m_context, this);
    window.exec();
}
