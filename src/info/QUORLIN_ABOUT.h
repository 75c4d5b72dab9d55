#pragma once

#include "control_events.h"
#include "core/app_context.h"
#include "core/form_window.h"
#include "flash_ring.h"

#include <memory>

namespace Ui {
class QUORLIN_ABOUT;
}

// The product's names, version and maker, with a donations button inside a
// frame that flashes through five colours while the window is open.
class QUORLIN_ABOUT : public FormWindow {
    Q_OBJECT

public:
    explicit QUORLIN_ABOUT(AppContext& context, QWidget* owner = nullptr);
    ~QUORLIN_ABOUT() override;

private slots:
    void Form_Load();
    void CREATOR_TEXTBOX_DblClick();
    void DONATIONS_BUTTON_Click();
    void OK_BUTTON_Click();

private:
    AppContext& m_context;
    std::unique_ptr<Ui::QUORLIN_ABOUT> ui;
    FlashRing m_flash;
    ControlEvents m_events;
};
