#include "TOVEK88_KALDERA_DONATIONS_WINDOW.h"
#include "ui_TOVEK88_KALDERA_DONATIONS_WINDOW.h"

#include "core/control_colours.h"
#include "core/look.h"
#include "maker_details.h"

namespace {

using Window = TOVEK88_KALDERA_DONATIONS_WINDOW;

// The brand with its line break, which the one-line box shows as a gap. Set
// here because a form file cannot keep the carriage return.
const QString kBrandText = QStringLiteral("KALDERA\r\n SOFTWARE");

} // namespace

TOVEK88_KALDERA_DONATIONS_WINDOW::TOVEK88_KALDERA_DONATIONS_WINDOW(AppContext& context, QWidget* owner)
    : FormWindow(owner, context.store, geometry::kDonations)
    , m_context(context)
    , ui(std::make_unique<Ui::TOVEK88_KALDERA_DONATIONS_WINDOW>())
    , m_flash(*this,
          [this](const QColor& colour) { setTextColour(*ui->THANKS_DONATIONS_MESSAGE_TEXTBOX, colour); })
{
    ui->setupUi(this);
    ui->KD_TITLE_TEXTBOX->setText(kBrandText);
    ui->KD_WEBSITE_TEXTBOX->setText(maker::kWebSite);
    for (QLineEdit* box : { ui->KD_TITLE_TEXTBOX, ui->KD_WEBSITE_TEXTBOX, ui->CREATOR_TEXTBOX,
             ui->THANKS_KALDERA_SOFTWARE_TEXTBOX })
        paintControl(*box, kGreenBgr, kBlackBgr);
    paintControl(*ui->THANKS_DONATIONS_MESSAGE_TEXTBOX, kBlackBgr, kLightGreenBgr);
    paintControl(*ui->DOUBLE_CLICK_MESSAGE_TEXTBOX, kMagentaBgr, kLightCyanBgr);

    struct AddressRow {
        QLabel* name;
        QLineEdit* box;
        const QString& address;
        void (Window::*dblClick)();
        void (Window::*lostFocus)();
    };
    const AddressRow rows[] = {
        { ui->BTC_NAME_LABEL, ui->BTC_DONATION_ADDRESS_TEXTBOX, maker::kBtcDonationAddress,
            &Window::BTC_DONATION_ADDRESS_TEXTBOX_DblClick, &Window::BTC_DONATION_ADDRESS_TEXTBOX_LostFocus },
        { ui->NMC_NAME_LABEL, ui->NMC_DONATION_ADDRESS_TEXTBOX, maker::kNmcDonationAddress,
            &Window::NMC_DONATION_ADDRESS_TEXTBOX_DblClick, &Window::NMC_DONATION_ADDRESS_TEXTBOX_LostFocus },
        { ui->LTC_NAME_LABEL, ui->LTC_DONATION_ADDRESS_TEXTBOX, maker::kLtcDonationAddress,
            &Window::LTC_DONATION_ADDRESS_TEXTBOX_DblClick, &Window::LTC_DONATION_ADDRESS_TEXTBOX_LostFocus },
        { ui->DASH_NAME_LABEL, ui->DASH_DONATION_ADDRESS_TEXTBOX, maker::kDashDonationAddress,
            &Window::DASH_DONATION_ADDRESS_TEXTBOX_DblClick,
            &Window::DASH_DONATION_ADDRESS_TEXTBOX_LostFocus },
        { ui->VTC_NAME_LABEL, ui->VTC_DONATION_ADDRESS_TEXTBOX, maker::kVtcDonationAddress,
            &Window::VTC_DONATION_ADDRESS_TEXTBOX_DblClick, &Window::VTC_DONATION_ADDRESS_TEXTBOX_LostFocus },
    };
    for (const AddressRow& row : rows) {
        paintControl(*row.name, kBlackBgr, kLightYellowBgr);
        row.box->setText(row.address);
        restAddress(*row.box);
        m_events.onDblClick(row.box, [this, handler = row.dblClick] { (this->*handler)(); });
        m_events.onLostFocus(row.box, [this, handler = row.lostFocus] { (this->*handler)(); });
    }
    m_events.onDblClick(
        ui->THANKS_DONATIONS_MESSAGE_TEXTBOX, [this] { THANKS_DONATIONS_MESSAGE_TEXTBOX_DblClick(); });
    m_events.onDblClick(ui->CREATOR_TEXTBOX, [this] { CREATOR_TEXTBOX_DblClick(); });

    connect(ui->OK_BUTTON, &QPushButton::clicked, this, &Window::OK_BUTTON_Click);

    Form_Load();
}

TOVEK88_KALDERA_DONATIONS_WINDOW::~TOVEK88_KALDERA_DONATIONS_WINDOW() = default;

void TOVEK88_KALDERA_DONATIONS_WINDOW::Form_Load()
{
    restorePlacement();
    m_flash.start();
}

void TOVEK88_KALDERA_DONATIONS_WINDOW::THANKS_DONATIONS_MESSAGE_TEXTBOX_DblClick()
{
    // Black text means the message stands still: before the first tick after
    // opening, and after a stop.
    if (textColour(*ui->THANKS_DONATIONS_MESSAGE_TEXTBOX) != colourFromBgr(kBlackBgr)) {
        m_flash.stop();
        setTextColour(*ui->THANKS_DONATIONS_MESSAGE_TEXTBOX, colourFromBgr(kBlackBgr));
    } else {
        m_flash.start();
    }
}

void TOVEK88_KALDERA_DONATIONS_WINDOW::CREATOR_TEXTBOX_DblClick()
{
    ui->CREATOR_TEXTBOX->setText(maker::kEmail);
}

void TOVEK88_KALDERA_DONATIONS_WINDOW::markAddress(QLineEdit& box)
{
    paintControl(box, kBlackBgr, kLightMagentaBgr);
}

void TOVEK88_KALDERA_DONATIONS_WINDOW::restAddress(QLineEdit& box)
{
    paintControl(box, kBlackBgr, kLightYellowBgr);
}

void TOVEK88_KALDERA_DONATIONS_WINDOW::OK_BUTTON_Click()
{
    savePositionAndUnload();
}

void TOVEK88_KALDERA_DONATIONS_WINDOW::BTC_DONATION_ADDRESS_TEXTBOX_DblClick()
{
    markAddress(*ui->BTC_DONATION_ADDRESS_TEXTBOX);
}

void TOVEK88_KALDERA_DONATIONS_WINDOW::NMC_DONATION_ADDRESS_TEXTBOX_DblClick()
{
    markAddress(*ui->NMC_DONATION_ADDRESS_TEXTBOX);
}

void TOVEK88_KALDERA_DONATIONS_WINDOW::LTC_DONATION_ADDRESS_TEXTBOX_DblClick()
{
    markAddress(*ui->LTC_DONATION_ADDRESS_TEXTBOX);
}

void TOVEK88_KALDERA_DONATIONS_WINDOW::DASH_DONATION_ADDRESS_TEXTBOX_DblClick()
{
    markAddress(*ui->DASH_DONATION_ADDRESS_TEXTBOX);
}

void TOVEK88_KALDERA_DONATIONS_WINDOW::VTC_DONATION_ADDRESS_TEXTBOX_DblClick()
{
    markAddress(*ui->VTC_DONATION_ADDRESS_TEXTBOX);
}

void TOVEK88_KALDERA_DONATIONS_WINDOW::BTC_DONATION_ADDRESS_TEXTBOX_LostFocus()
{
    restAddress(*ui->BTC_DONATION_ADDRESS_TEXTBOX);
}

void TOVEK88_KALDERA_DONATIONS_WINDOW::NMC_DONATION_ADDRESS_TEXTBOX_LostFocus()
{
    restAddress(*ui->NMC_DONATION_ADDRESS_TEXTBOX);
}

void TOVEK88_KALDERA_DONATIONS_WINDOW::LTC_DONATION_ADDRESS_TEXTBOX_LostFocus()
{
    restAddress(*ui->LTC_DONATION_ADDRESS_TEXTBOX);
}

void TOVEK88_KALDERA_DONATIONS_WINDOW::DASH_DONATION_ADDRESS_TEXTBOX_LostFocus()
{
    restAddress(*ui->DASH_DONATION_ADDRESS_TEXTBOX);
}

void TOVEK88_KALDERA_DONATIONS_WINDOW::VTC_DONATION_ADDRESS_TEXTBOX_LostFocus()
{
    restAddress(*ui->VTC_DONATION_ADDRESS_TEXTBOX);
}
