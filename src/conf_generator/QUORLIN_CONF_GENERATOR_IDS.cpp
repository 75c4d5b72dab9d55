#include "QUORLIN_CONF_GENERATOR_IDS.h"
#include "ui_QUORLIN_CONF_GENERATOR_IDS.h"

#include "coin_presets.h"
#include "conf_generator_model.h"

#include <QTextOption>

QUORLIN_CONF_GENERATOR_IDS::QUORLIN_CONF_GENERATOR_IDS(
    AppContext& context, ConfGeneratorModel& confFields, QWidget* owner)
    : FormWindow(owner, context.store, geometry::kCoinPresets)
    , m_context(context)
    , ui(std::make_unique<Ui::QUORLIN_CONF_GENERATOR_IDS>())
    , m_confFields(confFields)
{
    ui->setupUi(this);
    setCancelButton(ui->CANCEL_BUTTON);
    ui->BTC_BTG_RPC_NOTE_TEXTBOX->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));

    connect(ui->IMPORT_SETTINGS_TICKBOX, &QCheckBox::stateChanged, this,
        &QUORLIN_CONF_GENERATOR_IDS::IMPORT_SETTINGS_TICKBOX_Click);
    connect(ui->BASIC_SETTINGS_BUTTON, &QPushButton::clicked, this,
        &QUORLIN_CONF_GENERATOR_IDS::BASIC_SETTINGS_BUTTON_Click);
    connect(ui->CANCEL_BUTTON, &QPushButton::clicked, this, &QUORLIN_CONF_GENERATOR_IDS::CANCEL_BUTTON_Click);
    const std::array<QPushButton*, 6> coins = coinButtons();
    for (std::size_t coin = 0; coin < coins.size(); ++coin)
        connect(coins[coin], &QPushButton::clicked, this, [this, coin] { COIN_IMPORT_BUTTON_Click(coin); });

    Form_Load();
}

QUORLIN_CONF_GENERATOR_IDS::~QUORLIN_CONF_GENERATOR_IDS() = default;

std::array<QPushButton*, 6> QUORLIN_CONF_GENERATOR_IDS::coinButtons() const
{
    return { ui->BTC_IMPORT_BUTTON, ui->NMC_IMPORT_BUTTON, ui->LTC_IMPORT_BUTTON, ui->VTC_IMPORT_BUTTON,
        ui->DASH_IMPORT_BUTTON, ui->BTG_IMPORT_BUTTON };
}

void QUORLIN_CONF_GENERATOR_IDS::Form_Load()
{
    restorePlacement();
}

void QUORLIN_CONF_GENERATOR_IDS::IMPORT_SETTINGS_TICKBOX_Click()
{
    const bool armed = ui->IMPORT_SETTINGS_TICKBOX->isChecked();
    ui->BASIC_SETTINGS_BUTTON->setEnabled(armed);
    for (QPushButton* coin : coinButtons())
        coin->setEnabled(armed);
}

void QUORLIN_CONF_GENERATOR_IDS::BASIC_SETTINGS_BUTTON_Click()
{
    m_confFields.applyBasicSettings();
    ui->CANCEL_BUTTON->setText(QStringLiteral("Close"));
}

void QUORLIN_CONF_GENERATOR_IDS::COIN_IMPORT_BUTTON_Click(std::size_t coin)
{
    // Disarms the window first: the pressed button is disabled with the others.
    ui->IMPORT_SETTINGS_TICKBOX->setChecked(false);
    m_confFields.applyCoinPreset(kCoinPresets[coin]);
    ui->CANCEL_BUTTON->setText(QStringLiteral("Close"));
}

void QUORLIN_CONF_GENERATOR_IDS::CANCEL_BUTTON_Click()
{
    savePositionAndUnload();
}
