#pragma once

#include "control_events.h"
#include "core/app_context.h"
#include "core/form_window.h"
#include "flash_ring.h"
#include "ui_TOVEK88_KALDERA_DONATIONS_WINDOW.h"

#include <QTimer>

// The maker's donation addresses for five coins and web site, with a thank-you
// line whose text flashes until a double-click stops it. A double-click marks
// an address box; the box rests again when it loses the focus.
class TOVEK88_KALDERA_DONATIONS_WINDOW : public FormWindow, public Ui::TOVEK88_KALDERA_DONATIONS_WINDOW {
    Q_OBJECT

public:
    explicit TOVEK88_KALDERA_DONATIONS_WINDOW(AppContext& context, QWidget* owner = nullptr);

    QTimer DONATION_TEXT_1_TIMER;
    QTimer DONATION_TEXT_2_TIMER;
    QTimer DONATION_TEXT_3_TIMER;
    QTimer DONATION_TEXT_4_TIMER;
    QTimer DONATION_TEXT_5_TIMER;

    void Form_Load();
    void Form_Unload() override;
    void DONATION_TEXT_1_TIMER_Timer() { m_flash.step(0); }
    void DONATION_TEXT_2_TIMER_Timer() { m_flash.step(1); }
    void DONATION_TEXT_3_TIMER_Timer() { m_flash.step(2); }
    void DONATION_TEXT_4_TIMER_Timer() { m_flash.step(3); }
    void DONATION_TEXT_5_TIMER_Timer() { m_flash.step(4); }
    void THANKS_DONATIONS_MESSAGE_TEXTBOX_DblClick();
    void CREATOR_TEXTBOX_DblClick();
    void BTC_DONATION_ADDRESS_TEXTBOX_DblClick() { markAddress(*BTC_DONATION_ADDRESS_TEXTBOX); }
    void NMC_DONATION_ADDRESS_TEXTBOX_DblClick() { markAddress(*NMC_DONATION_ADDRESS_TEXTBOX); }
    void LTC_DONATION_ADDRESS_TEXTBOX_DblClick() { markAddress(*LTC_DONATION_ADDRESS_TEXTBOX); }
    void DASH_DONATION_ADDRESS_TEXTBOX_DblClick() { markAddress(*DASH_DONATION_ADDRESS_TEXTBOX); }
    void VTC_DONATION_ADDRESS_TEXTBOX_DblClick() { markAddress(*VTC_DONATION_ADDRESS_TEXTBOX); }
    void BTC_DONATION_ADDRESS_TEXTBOX_LostFocus() { restAddress(*BTC_DONATION_ADDRESS_TEXTBOX); }
    void NMC_DONATION_ADDRESS_TEXTBOX_LostFocus() { restAddress(*NMC_DONATION_ADDRESS_TEXTBOX); }
    void LTC_DONATION_ADDRESS_TEXTBOX_LostFocus() { restAddress(*LTC_DONATION_ADDRESS_TEXTBOX); }
    void DASH_DONATION_ADDRESS_TEXTBOX_LostFocus() { restAddress(*DASH_DONATION_ADDRESS_TEXTBOX); }
    void VTC_DONATION_ADDRESS_TEXTBOX_LostFocus() { restAddress(*VTC_DONATION_ADDRESS_TEXTBOX); }
    void OK_BUTTON_Click();

private:
    static void markAddress(QLineEdit& box);
    static void restAddress(QLineEdit& box);

    AppContext& m_context;
    FlashRing m_flash;
    ControlEvents m_events;
};
