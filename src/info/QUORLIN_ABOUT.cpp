#include "QUORLIN_ABOUT.h"

#include "TOVEK88_KALDERA_DONATIONS_WINDOW.h"
#include "core/control_colours.h"
#include "core/look.h"
#include "core/window_placement.h"
#include "maker_details.h"

QUORLIN_ABOUT::QUORLIN_ABOUT(AppContext& context, QWidget* owner)
    : FormWindow(owner)
    , m_context(context)
    , m_flash({ &DONATION_BUTTON_1_TIMER, &DONATION_BUTTON_2_TIMER, &DONATION_BUTTON_3_TIMER,
                  &DONATION_BUTTON_4_TIMER, &DONATION_BUTTON_5_TIMER },
          [this](const QColor& colour) { setBackColour(*DONATIONS_BACK_TEXTBOX, colour); })
{
    setupUi(this);
    for (QLabel* label : { KD_TITLE_1, KD_TITLE_3, KD_TITLE_2, CREATOR_TEXTBOX, VERSION_TEXTBOX })
        paintControl(*label, kGreenBgr, kBlackBgr);
    paintControl(*ORIGIN_TITLE, kBlackBgr, kLightMagentaBgr);

    const std::pair<QTimer*, void (QUORLIN_ABOUT::*)()> timers[] = {
        { &DONATION_BUTTON_1_TIMER, &QUORLIN_ABOUT::DONATION_BUTTON_1_TIMER_Timer },
        { &DONATION_BUTTON_2_TIMER, &QUORLIN_ABOUT::DONATION_BUTTON_2_TIMER_Timer },
        { &DONATION_BUTTON_3_TIMER, &QUORLIN_ABOUT::DONATION_BUTTON_3_TIMER_Timer },
        { &DONATION_BUTTON_4_TIMER, &QUORLIN_ABOUT::DONATION_BUTTON_4_TIMER_Timer },
        { &DONATION_BUTTON_5_TIMER, &QUORLIN_ABOUT::DONATION_BUTTON_5_TIMER_Timer },
    };
    for (const auto& [timer, handler] : timers)
        connect(timer, &QTimer::timeout, this, handler);
    connect(DONATIONS_BUTTON, &QPushButton::clicked, this, &QUORLIN_ABOUT::DONATIONS_BUTTON_Click);
    connect(OK_BUTTON, &QPushButton::clicked, this, &QUORLIN_ABOUT::OK_BUTTON_Click);
    m_events.onDblClick(CREATOR_TEXTBOX, [this] { CREATOR_TEXTBOX_DblClick(); });

    Form_Load();
}

void QUORLIN_ABOUT::Form_Load()
{
    restorePlacement(*this, m_context.store, geometry::kAbout);
    m_flash.start();
}

void QUORLIN_ABOUT::Form_Unload()
{
    savePosition(*this, m_context.store, geometry::kAbout);
}

void QUORLIN_ABOUT::CREATOR_TEXTBOX_DblClick()
{
    CREATOR_TEXTBOX->setText(maker::kEmail);
}

void QUORLIN_ABOUT::DONATIONS_BUTTON_Click()
{
    TOVEK88_KALDERA_DONATIONS_WINDOW donations(m_context, this);
    donations.exec();
}

void QUORLIN_ABOUT::OK_BUTTON_Click()
{
    savePosition(*this, m_context.store, geometry::kAbout);
    unload();
}
