#pragma once

#include "control_events.h"
#include "core/app_context.h"
#include "core/form_window.h"
#include "flash_ring.h"

#include <memory>

class QLineEdit;

namespace Ui {
class TOVEK88_KALDERA_DONATIONS_WINDOW;
}

// The maker's donation addresses for five coins and web site, with a thank-you
// line whose text flashes until a double-click stops it. A double-click marks
// an address box; the box rests again when it loses the focus.
class TOVEK88_KALDERA_DONATIONS_WINDOW : public FormWindow {
    Q_OBJECT

public:
    explicit TOVEK88_KALDERA_DONATIONS_WINDOW(AppContext& context, QWidget* owner = nullptr);
    ~TOVEK88_KALDERA_DONATIONS_WINDOW() override;

private slots:
    void Form_Load();
    void THANKS_DONATIONS_MESSAGE_TEXTBOX_DblClick();
    void CREATOR_TEXTBOX_DblClick();
    void BTC_DONATION_ADDRESS_TEXTBOX_DblClick();
    void NMC_DONATION_ADDRESS_TEXTBOX_DblClick();
    void LTC_DONATION_ADDRESS_TEXTBOX_DblClick();
    void DASH_DONATION_ADDRESS_TEXTBOX_DblClick();
    void VTC_DONATION_ADDRESS_TEXTBOX_DblClick();
    void BTC_DONATION_ADDRESS_TEXTBOX_LostFocus();
    void NMC_DONATION_ADDRESS_TEXTBOX_LostFocus();
    void LTC_DONATION_ADDRESS_TEXTBOX_LostFocus();
    void DASH_DONATION_ADDRESS_TEXTBOX_LostFocus();
    void VTC_DONATION_ADDRESS_TEXTBOX_LostFocus();
    void OK_BUTTON_Click();

private:
    static void markAddress(QLineEdit& box);
    static void restAddress(QLineEdit& box);

    AppContext& m_context;
    std::unique_ptr<Ui::TOVEK88_KALDERA_DONATIONS_WINDOW> ui;
    FlashRing m_flash;
    ControlEvents m_events;
};
