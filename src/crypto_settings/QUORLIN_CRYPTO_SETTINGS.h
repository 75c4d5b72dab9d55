#pragma once

#include "core/app_context.h"
#include "core/form_window.h"
#include "crypto_settings.h"
#include "tick_pair.h"

#include <QString>

class QCheckBox;
class QLineEdit;

#include <memory>
#include <vector>

namespace Ui {
class QUORLIN_CRYPTO_SETTINGS;
}

// Where the node's programs and data folder are, what they are called and
// which wallet and daemon switches the command lines carry. Save builds the
// three command lines, stores everything and hands the names and lines to the
// node settings. Opened from the main settings window with the ".conf" path
// that window shows.
class QUORLIN_CRYPTO_SETTINGS : public FormWindow {
    Q_OBJECT

public:
    QUORLIN_CRYPTO_SETTINGS(AppContext& context, const QString& confFile, QWidget* opener);
    ~QUORLIN_CRYPTO_SETTINGS() override;

private slots:
    void Form_Load();
    void SAVE_BUTTON_Click();
    void CANCEL_BUTTON_Click();
    void VIEW_OUTPUT_COMMANDS_BUTTON_Click();

private:
    void connectPickers();
    void connectTickPairs();
    QLineEdit& textBox(std::size_t field) const;
    QCheckBox& tickBox(std::size_t box) const;

    AppContext& m_context;
    std::unique_ptr<Ui::QUORLIN_CRYPTO_SETTINGS> ui;
    CryptoSettings m_settings;
    std::vector<TickPair> m_tickPairs;
    // Hidden fields: the ".conf" path the window was opened with and the
    // switches the three tick box pairs set.
    QString m_confFile;
    QString m_qtWalletSwitch;
    QString m_daemonWalletSwitch;
    QString m_cliDaemonSwitch;
};
