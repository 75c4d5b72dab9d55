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
    for (const CoinPreset& coin : kCoinPresets)
        connect(this->*coin.button, &QPushButton::clicked, this, [this, &coin] { applyCoinPreset(coin); });

    Form_Load();
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
    for (const CoinPreset& coin : kCoinPresets)
        (this->*coin.button)->setEnabled(armed);
}

void QUORLIN_CONF_GENERATOR_IDS::BASIC_SETTINGS_BUTTON_Click()
{
    applyConfWrites(m_confGenerator, kBasicSettings);
    CANCEL_BUTTON->setText(QStringLiteral("Close"));
}

void QUORLIN_CONF_GENERATOR_IDS::applyCoinPreset(const CoinPreset& coin)
{
    // Disarms the window first: the pressed button is disabled with the others.
    IMPORT_SETTINGS_TICKBOX->setChecked(false);
    QUORLIN_CONF_GENERATOR_MAIN& conf = m_confGenerator;
    conf.CRYPTO_NAME_TEXTBOX->setText(coin.cryptoName);
    applyConfWrites(conf, coin.afterName);
    conf.PEER_PORT_TEXTBOX->setText(coin.peerPort);
    conf.RPC_PORT_TEXTBOX->setText(coin.rpcPort);
    conf.FULL_NODE_LIST_TEXTBOX = coin.copiesVtcNodeList ? conf.VTC_NODE_LIST_TEXTBOX : QString();
    CANCEL_BUTTON->setText(QStringLiteral("Close"));
}

void QUORLIN_CONF_GENERATOR_IDS::CANCEL_BUTTON_Click()
{
    savePosition(*this, m_context.store, geometry::kCoinPresets);
    unload();
}
