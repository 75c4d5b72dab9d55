#pragma once

#include "conf_choice.h"
#include "core/app_context.h"
#include "core/form_window.h"

#include <memory>

namespace Ui {
class QUORLIN_MAIN_SETTINGS;
}

// The settings hub: the node's ".conf" file (the default one beside the
// executable, or an own one), always-on-top for the main window, and the way
// to the other settings windows. Opened from the main window, which follows
// the always-on-top choice through the node settings.
class QUORLIN_MAIN_SETTINGS : public FormWindow {
    Q_OBJECT

public:
    QUORLIN_MAIN_SETTINGS(AppContext& context, QWidget* owner);
    ~QUORLIN_MAIN_SETTINGS() override;

private slots:
    void Form_Load();
    void Form_Unload() override;
    void OK_BUTTON_Click();
    void CANCEL_BUTTON_Click();
    void USE_OWN_CONF_TICKBOX_Click();
    void CONF_BROWSE_BUTTON_Click();
    void AlwaysOnTop_TICKBOX_Click();
    void CRYPTO_SETTINGS_BUTTON_Click();
    void CONF_MANAGER_BUTTON_Click();
    void VIEW_OUTPUT_COMMANDS_BUTTON_Click();
    void ABOUT_BUTTON_Click();

private:
    void saveChoices();
    ConfChoice shownConfChoice() const;

    AppContext& m_context;
    std::unique_ptr<Ui::QUORLIN_MAIN_SETTINGS> ui;
    ConfChoiceSettings m_confChoice;
};
