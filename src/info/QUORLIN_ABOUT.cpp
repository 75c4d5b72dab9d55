#include "QUORLIN_ABOUT.h"
#include "ui_QUORLIN_ABOUT.h"

#include "TOVEK88_KALDERA_DONATIONS_WINDOW.h"
#include "core/control_colours.h"
#include "core/look.h"
#include "maker_details.h"

QUORLIN_ABOUT::QUORLIN_ABOUT(AppContext& context, QWidget* owner)
    : FormWindow(owner, context.store, geometry::kAbout)
    , m_context(context)
    , ui(std::make_unique<Ui::QUORLIN_ABOUT>())
    , m_flash(*this, [this](const QColor& colour) { setBackColour(*ui->DONATIONS_BACK_TEXTBOX, colour); })
{
    ui->setupUi(this);
    for (QLabel* label :
        { ui->KD_TITLE_1, ui->KD_TITLE_3, ui->KD_TITLE_2, ui->CREATOR_TEXTBOX, ui->VERSION_TEXTBOX })
        paintControl(*label, kGreenBgr, kBlackBgr);
    paintControl(*ui->ORIGIN_TITLE, kBlackBgr, kLightMagentaBgr);

    connect(ui->DONATIONS_BUTTON, &QPushButton::clicked, this, &QUORLIN_ABOUT::DONATIONS_BUTTON_Click);
    connect(ui->OK_BUTTON, &QPushButton::clicked, this, &QUORLIN_ABOUT::OK_BUTTON_Click);
    m_events.onDblClick(ui->CREATOR_TEXTBOX, [this] { CREATOR_TEXTBOX_DblClick(); });

    Form_Load();
}

QUORLIN_ABOUT::~QUORLIN_ABOUT() = default;

void QUORLIN_ABOUT::Form_Load()
{
    restorePlacement();
    m_flash.start();
}

void QUORLIN_ABOUT::CREATOR_TEXTBOX_DblClick()
{
    ui->CREATOR_TEXTBOX->setText(maker::kEmail);
}

void QUORLIN_ABOUT::DONATIONS_BUTTON_Click()
{
    TOVEK88_KALDERA_DONATIONS_WINDOW donations(m_context, this);
    donations.exec();
}

void QUORLIN_ABOUT::OK_BUTTON_Click()
{
    savePositionAndUnload();
}
