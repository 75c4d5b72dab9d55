#pragma once

#include "core/app_context.h"
#include "core/form_window.h"
#include "tick_pair.h"

#include <QString>

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

    // Hidden fields: the three switches the tick box pairs set, the ".conf"
    // path it was opened with, and the commands Save built.
    QString QT_DASH_DISABLE_WALLET_EQUALS_TEXTBOX;
    QString DAEMON_DASH_DISABLE_WALLET_EQUALS_TEXTBOX;
    QString DASH_DISABLE_DAEMON_EQUALS_TEXTBOX;
    QString CONF_FILE_LOCATION_TEXTBOX;
    QString KD_QT_COMMAND_TEXTBOX;
    QString KD_D_COMMAND_TEXTBOX;
    QString KDCLI_STOP_COMMAND_TEXTBOX;

private slots:
    void Form_Load();
    void SAVE_BUTTON_Click();
    void CANCEL_BUTTON_Click();
    void VIEW_OUTPUT_COMMANDS_BUTTON_Click();

private:
    void connectPickers();
    void connectTickPairs();

    AppContext& m_context;
    std::unique_ptr<Ui::QUORLIN_CRYPTO_SETTINGS> ui;
    std::vector<TickPair> m_tickPairs;
};
