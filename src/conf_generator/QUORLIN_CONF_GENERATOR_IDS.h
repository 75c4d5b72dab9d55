#pragma once

#include "core/app_context.h"
#include "core/form_window.h"

#include <QPushButton>

#include <array>
#include <memory>

class ConfGeneratorModel;

namespace Ui {
class QUORLIN_CONF_GENERATOR_IDS;
}

// Fills the conf generator's fields with the basic settings or one coin's
// name and ports. The tick box arms the seven buttons; a coin disarms them.
// Nothing but the window's position is stored here: the values reach the
// store when the conf generator saves.
class QUORLIN_CONF_GENERATOR_IDS : public FormWindow {
    Q_OBJECT

public:
    QUORLIN_CONF_GENERATOR_IDS(AppContext& context, ConfGeneratorModel& confFields, QWidget* owner);
    ~QUORLIN_CONF_GENERATOR_IDS() override;

private slots:
    void Form_Load();
    void IMPORT_SETTINGS_TICKBOX_Click();
    void BASIC_SETTINGS_BUTTON_Click();
    void CANCEL_BUTTON_Click();
    void COIN_IMPORT_BUTTON_Click(std::size_t coin);

private:
    // The coin buttons, in the order of the coin presets.
    std::array<QPushButton*, 6> coinButtons() const;

    AppContext& m_context;
    std::unique_ptr<Ui::QUORLIN_CONF_GENERATOR_IDS> ui;
    ConfGeneratorModel& m_confFields;
};
