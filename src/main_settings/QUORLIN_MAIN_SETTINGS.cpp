#include "QUORLIN_MAIN_SETTINGS.h"

#include "conf_generator/QUORLIN_CONF_GENERATOR_MAIN.h"
#include "core/control_colours.h"
#include "core/default_conf_path.h"
#include "core/look.h"
#include "core/tick_box.h"
#include "core/window_placement.h"
#include "crypto_settings/QUORLIN_CRYPTO_SETTINGS.h"
#include "crypto_settings/QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW.h"
#include "info/QUORLIN_ABOUT.h"

#include <QSignalBlocker>
#include <QStyle>

QUORLIN_MAIN_SETTINGS::QUORLIN_MAIN_SETTINGS(AppContext& context, QWidget* owner)
    : FormWindow(owner)
    , m_context(context)
{
    setupUi(this);
    setCancelButton(CANCEL_BUTTON);
    CONF_BROWSE_BUTTON->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    paintControl(*EXE_FILENAME_HELP_LABEL, kBlackBgr, kGreenBgr);
    for (QLabel* heading : { SETTINGS_LABEL, QUORLIN_TITLE_LABEL, KALDERA_TITLE_LABEL })
        paintHeading(*heading);

    const struct {
        QPushButton* button;
        void (QUORLIN_MAIN_SETTINGS::*handler)();
    } clicks[] = {
        { OK_BUTTON, &QUORLIN_MAIN_SETTINGS::OK_BUTTON_Click },
        { CANCEL_BUTTON, &QUORLIN_MAIN_SETTINGS::CANCEL_BUTTON_Click },
        { CONF_BROWSE_BUTTON, &QUORLIN_MAIN_SETTINGS::CONF_BROWSE_BUTTON_Click },
        { CRYPTO_SETTINGS_BUTTON, &QUORLIN_MAIN_SETTINGS::CRYPTO_SETTINGS_BUTTON_Click },
        { CONF_MANAGER_BUTTON, &QUORLIN_MAIN_SETTINGS::CONF_MANAGER_BUTTON_Click },
        { VIEW_OUTPUT_COMMANDS_BUTTON, &QUORLIN_MAIN_SETTINGS::VIEW_OUTPUT_COMMANDS_BUTTON_Click },
        { ABOUT_BUTTON, &QUORLIN_MAIN_SETTINGS::ABOUT_BUTTON_Click },
    };
    for (const auto& click : clicks)
        connect(click.button, &QPushButton::clicked, this, click.handler);
    connect(USE_OWN_CONF_TICKBOX, &QCheckBox::stateChanged, this,
        &QUORLIN_MAIN_SETTINGS::USE_OWN_CONF_TICKBOX_Click);
    connect(AlwaysOnTop_TICKBOX, &QCheckBox::stateChanged, this,
        &QUORLIN_MAIN_SETTINGS::AlwaysOnTop_TICKBOX_Click);

    Form_Load();
}

void QUORLIN_MAIN_SETTINGS::Form_Load()
{
    SettingsStore& store = m_context.store;
    restorePlacement(*this, store, geometry::kMainSettings);

    // Loading only shows the stored choices: the tick box reactions, which
    // store them again and switch the main window, wait for a change.
    {
        const QSignalBlocker quietOwnConf(USE_OWN_CONF_TICKBOX);
        const QSignalBlocker quietAlwaysOnTop(AlwaysOnTop_TICKBOX);
        setTickState(*USE_OWN_CONF_TICKBOX, store.read(keys::kUseOwnConf));
        CONF_FILE_LOCATION_TEXTBOX->setText(store.read(keys::kConfFileLocation));
        setTickState(*AlwaysOnTop_TICKBOX, store.read(keys::kAlwaysOnTop));
    }

    if (USE_OWN_CONF_TICKBOX->isChecked()) {
        CONF_FILE_LOCATION_TEXTBOX->setEnabled(true);
        CONF_BROWSE_BUTTON->setEnabled(true);
        CONF_MANAGER_BUTTON->setEnabled(false);
        CONF_FILE_LOCATION_TEXTBOX->setText(store.read(keys::kConfFileLocation));
    } else {
        CONF_FILE_LOCATION_TEXTBOX->setEnabled(false);
        CONF_BROWSE_BUTTON->setEnabled(false);
        CONF_MANAGER_BUTTON->setEnabled(true);
        CONF_FILE_LOCATION_TEXTBOX->setText(defaultConfPath(store.executable()));
        setBackColour(*CONF_FILE_LOCATION_TEXTBOX, colourFromBgr(kGreenBgr));
    }
}

void QUORLIN_MAIN_SETTINGS::saveChoices()
{
    SettingsStore& store = m_context.store;
    store.write(keys::kUseOwnConf, tickState(*USE_OWN_CONF_TICKBOX));
    store.write(keys::kConfFileLocation, CONF_FILE_LOCATION_TEXTBOX->text());
    m_context.node.setAlwaysOnTop(tickState(*AlwaysOnTop_TICKBOX));
}

void QUORLIN_MAIN_SETTINGS::Form_Unload()
{
    savePosition(*this, m_context.store, geometry::kMainSettings);
    saveChoices();
}

void QUORLIN_MAIN_SETTINGS::OK_BUTTON_Click()
{
    saveChoices();
    unload();
}

void QUORLIN_MAIN_SETTINGS::CANCEL_BUTTON_Click()
{
    unload();
}

void QUORLIN_MAIN_SETTINGS::USE_OWN_CONF_TICKBOX_Click()
{
    SettingsStore& store = m_context.store;
    const bool own = USE_OWN_CONF_TICKBOX->isChecked();
    CONF_FILE_LOCATION_LABEL->setEnabled(own);
    CONF_FILE_LOCATION_TEXTBOX->setEnabled(own);
    CONF_FILE_LOCATION_TEXTBOX->setReadOnly(!own);
    CONF_BROWSE_BUTTON->setEnabled(own);
    CONF_MANAGER_BUTTON->setEnabled(!own);
    CONF_FILE_LOCATION_TEXTBOX->setText(
        own ? store.read(keys::kConfFileLocation) : defaultConfPath(store.executable()));
    store.write(keys::kUseOwnConf, tickState(*USE_OWN_CONF_TICKBOX));
    store.write(keys::kConfFileLocation, CONF_FILE_LOCATION_TEXTBOX->text());
}

void QUORLIN_MAIN_SETTINGS::CONF_BROWSE_BUTTON_Click()
{
    const OpenFileRequest request {
        CONF_FILE_LOCATION_LABEL->text(),
        { { QStringLiteral("CONF Files (*.conf)"), QStringLiteral("*.conf") },
            { QStringLiteral("All files (*.*)"), QStringLiteral("*.*") } },
        QStringLiteral("conf"),
        m_context.store.executable().folder,
    };
    if (const std::optional<QString> chosen = m_context.platform.dialogs.openFile(this, request))
        CONF_FILE_LOCATION_TEXTBOX->setText(*chosen);
}

void QUORLIN_MAIN_SETTINGS::AlwaysOnTop_TICKBOX_Click()
{
    m_context.node.setAlwaysOnTop(tickState(*AlwaysOnTop_TICKBOX));
}

void QUORLIN_MAIN_SETTINGS::CRYPTO_SETTINGS_BUTTON_Click()
{
    QUORLIN_CRYPTO_SETTINGS window(m_context, CONF_FILE_LOCATION_TEXTBOX->text(), this);
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
