#include "QUORLIN_CONF_GENERATOR_IDS.h"

#include "QUORLIN_CONF_GENERATOR_MAIN.h"
#include "coin_presets.h"
#include "core/window_placement.h"

#include <QTextOption>

QUORLIN_CONF_GENERATOR_IDS::QUORLIN_CONF_GENERATOR_IDS(
    AppContext& context, QUORLIN_CONF_GENERATOR_MAIN& confGenerator)
    : FormWindow(&confGenerator)
    , m_context(context)
    , m_confGenerator(confGenerator)
{
    setupUi(this);
    setCancelButton(CANCEL_BUTTON);
    BTC_BTG_RPC_NOTE_TEXTBOX->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));

    connect(IMPORT_SETTINGS_TICKBOX, &QCheckBox::stateChanged, this,
        &QUORLIN_CONF_GENERATOR_IDS::IMPORT_SETTINGS_TICKBOX_Click);
    connect(BASIC_SETTINGS_BUTTON, &QPushButton::clicked, this,
        &QUORLIN_CONF_GENERATOR_IDS::BASIC_SETTINGS_BUTTON_Click);
    connect(CANCEL_BUTTON, &QPushButton::clicked, this, &QUORLIN_CONF_GENERATOR_IDS::CANCEL_BUTTON_Click);
    const std::array<QPushButton*, 6> coins = coinButtons();
    for (std::size_t coin = 0; coin < coins.size(); ++coin)
        connect(coins[coin], &QPushButton::clicked, this, [this, coin] { COIN_IMPORT_BUTTON_Click(coin); });

    Form_Load();
}

std::array<QPushButton*, 6> QUORLIN_CONF_GENERATOR_IDS::coinButtons() const
{
    return { BTC_IMPORT_BUTTON, NMC_IMPORT_BUTTON, LTC_IMPORT_BUTTON, VTC_IMPORT_BUTTON, DASH_IMPORT_BUTTON,
        BTG_IMPORT_BUTTON };
}

void QUORLIN_CONF_GENERATOR_IDS::Form_Load()
{
    restorePlacement(*this, m_context.store, geometry::kCoinPresets);
}

void QUORLIN_CONF_GENERATOR_IDS::Form_Unload()
{
    savePosition(*this, m_context.store, geometry::kCoinPresets);
}

void QUORLIN_CONF_GENERATOR_IDS::IMPORT_SETTINGS_TICKBOX_Click()
{
    const bool armed = IMPORT_SETTINGS_TICKBOX->isChecked();
    BASIC_SETTINGS_BUTTON->setEnabled(armed);
    for (QPushButton* coin : coinButtons())
        coin->setEnabled(armed);
}

void QUORLIN_CONF_GENERATOR_IDS::BASIC_SETTINGS_BUTTON_Click()
{
    ConfFields fields = m_confGenerator.fields();
    applyBasicSettings(fields);
    m_confGenerator.setFields(fields);
    CANCEL_BUTTON->setText(QStringLiteral("Close"));
}

void QUORLIN_CONF_GENERATOR_IDS::COIN_IMPORT_BUTTON_Click(std::size_t coin)
{
    // Disarms the window first: the pressed button is disabled with the others.
    IMPORT_SETTINGS_TICKBOX->setChecked(false);
    ConfFields fields = m_confGenerator.fields();
    applyCoinPreset(fields, kCoinPresets[coin], m_confGenerator.VTC_NODE_LIST_TEXTBOX);
    m_confGenerator.setFields(fields);
    CANCEL_BUTTON->setText(QStringLiteral("Close"));
}

void QUORLIN_CONF_GENERATOR_IDS::CANCEL_BUTTON_Click()
{
    savePosition(*this, m_context.store, geometry::kCoinPresets);
    unload();
}
