#pragma once

#include "core/app_context.h"
#include "core/form_window.h"
#include "tick_pair.h"
#include "ui_QUORLIN_CRYPTO_SETTINGS.h"

#include <QList>
#include <QString>

#include <vector>

class QUORLIN_MAIN;
class QUORLIN_MAIN_SETTINGS;

// Where the node's programs and data folder are, what they are called and
// which wallet and daemon switches the command lines carry. Save builds the
// three command lines, stores everything and hands it to the live main
// window. Opened from the main settings window, whose ".conf" path it uses.
class QUORLIN_CRYPTO_SETTINGS : public FormWindow, public Ui::QUORLIN_CRYPTO_SETTINGS {
    Q_OBJECT

public:
    QUORLIN_CRYPTO_SETTINGS(AppContext& context, QUORLIN_MAIN& mainWindow, QUORLIN_MAIN_SETTINGS& opener);

    // Hidden fields: the three switches the tick box pairs set, the ".conf"
    // path taken from the main settings window, and the commands Save built.
    QString QT_DASH_DISABLE_WALLET_EQUALS_TEXTBOX;
    QString DAEMON_DASH_DISABLE_WALLET_EQUALS_TEXTBOX;
    QString DASH_DISABLE_DAEMON_EQUALS_TEXTBOX;
    QString CONF_FILE_LOCATION_TEXTBOX;
    QString KD_QT_COMMAND_TEXTBOX;
    QString KD_D_COMMAND_TEXTBOX;
    QString KDCLI_STOP_COMMAND_TEXTBOX;

    void Form_Load();
    void Form_Unload() override;
    void SAVE_BUTTON_Click();
    void CANCEL_BUTTON_Click();
    void VIEW_OUTPUT_COMMANDS_BUTTON_Click();

private:
    void connectPickers();
    void connectTickPairs();

    // The stored fields, in the order they are read and saved; each key is
    // the control's name.
    QList<QLineEdit*> textFields() const;
    QList<QCheckBox*> tickBoxes() const;

    AppContext& m_context;
    QUORLIN_MAIN& m_main;
    const QUORLIN_MAIN_SETTINGS& m_opener;
    std::vector<TickPair> m_tickPairs;
};
