#pragma once

#include "core/app_context.h"
#include "core/form_window.h"

#include <QColor>

#include <array>
#include <memory>
#include <optional>

class ConfGeneratorModel;

namespace Ui {
class QUORLIN_CONF_GENERATOR_TEST_RPC;
}

// Offers the ten fixed RPC test credential sets. It shows the conf
// generator's credentials when it opens, a preset when one is chosen, and
// hands what its three boxes hold back to the conf generator on "USE CURRENT
// CREDENTIALS". The button of the preset whose user name is shown is green.
// "NEW SECURE CREDENTIALS" fills the boxes with fresh random ones instead,
// from the operating system's generator; when it fails, the boxes stay as
// they are and the user is told.
class QUORLIN_CONF_GENERATOR_TEST_RPC : public FormWindow {
    Q_OBJECT

public:
    QUORLIN_CONF_GENERATOR_TEST_RPC(AppContext& context, ConfGeneratorModel& confFields, QWidget* owner);
    ~QUORLIN_CONF_GENERATOR_TEST_RPC() override;

    // Preset n's button at index n - 1.
    std::array<QPushButton*, 10> presetButtons() const;

private slots:
    void Form_Load();
    void TEST_CFG_BUTTON_Click(int preset); // preset 1 to 10
    void NEW_SECURE_CREDENTIALS_BUTTON_Click();
    void USE_CURRENT_CREDENTIALS_BUTTON_Click();
    void CANCEL_BUTTON_Click();

private:
    void markPreset(std::optional<int> preset);

    AppContext& m_context;
    std::unique_ptr<Ui::QUORLIN_CONF_GENERATOR_TEST_RPC> ui;
    ConfGeneratorModel& m_confFields;
    QColor m_buttonFace;
};

// Where to get the script that makes one's own credentials.
extern const QString kRpcUserInfoText;
