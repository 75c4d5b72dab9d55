#pragma once

#include "core/app_context.h"
#include "core/form_window.h"
#include "ui_QUORLIN_CONF_GENERATOR_MAIN.h"

#include <QString>
#include <QTimer>

// The window in which the user composes the node's ".conf" file. It is the
// file's model: the preview shows the text it renders, SAVE stores the fields
// and writes the text beside the executable. The coin presets and RPC test
// credentials windows write into its controls.
class QUORLIN_CONF_GENERATOR_MAIN : public FormWindow, public Ui::QUORLIN_CONF_GENERATOR_MAIN {
    Q_OBJECT

public:
    QUORLIN_CONF_GENERATOR_MAIN(AppContext& context, QWidget* owner);

    // The labels of the nineteen setting lines: the key and "=", preceded by
    // "#" while the line is commented out. The tick box rules keep the nine
    // tick box lines' labels; the renderer sets the ten value lines' labels.
    QString WALLET_EQUALS_TEXTBOX = QStringLiteral("wallet=");
    QString DISABLE_WALLET_EQUALS_TEXTBOX = QStringLiteral("disablewallet=");
    QString SERVER_EQUALS_TEXTBOX = QStringLiteral("server=");
    QString ALERTS_EQUALS_TEXTBOX = QStringLiteral("alerts=");
    QString LISTEN_EQUALS_TEXTBOX = QStringLiteral("listen=");
    QString UPNP_EQUALS_TEXTBOX = QStringLiteral("upnp=");
    QString DNS_EQUALS_TEXTBOX = QStringLiteral("dns=");
    QString DAEMON_EQUALS_TEXTBOX = QStringLiteral("daemon=");
    QString PEER_ALLOW_LOCAL_IP_TEXTBOX = QStringLiteral("allowip=");
    QString RPC_ALLOW_LOCAL_IP_TEXTBOX = QStringLiteral("rpcallowip=");
    QString PEER_TIMEOUT_EQUALS_TEXTBOX = QStringLiteral("timeout=");
    QString RPC_TIMEOUT_EQUALS_TEXTBOX = QStringLiteral("rpctimeout=");
    QString MAX_CONNECTIONS_EQUALS_TEXTBOX = QStringLiteral("maxconnections=");
    QString PORT_EQUALS_TEXTBOX = QStringLiteral("port=");
    QString RPC_PORT_EQUALS_TEXTBOX = QStringLiteral("rpcport=");
    QString UACOMMENT_EQUALS_TEXTBOX = QStringLiteral("uacomment=");
    QString RPCUSER_EQUALS_TEXTBOX = QStringLiteral("rpcuser=");
    QString RPCPASSWORD_EQUALS_TEXTBOX = QStringLiteral("rpcpassword=");
    QString RPCAUTH_EQUALS_TEXTBOX = QStringLiteral("rpcauth=");

    // Fixed texts of the file, and the header line built from the coin's name.
    const QString LOCALHOST_IP_TEXTBOX = QStringLiteral("127.0.0.1");
    const QString KD_CONF_MESSAGE
        = QStringLiteral(" - CONF FILE CREATED USING KALDERA - MIRANEL - CONF-GENERATOR -");
    QString FULL_KD_CONF_MESSAGE;

    // The node list block of the file (stored, filled by the coin presets) and
    // the list the Vertcoin preset copies into it.
    QString FULL_NODE_LIST_TEXTBOX;
    QString VTC_NODE_LIST_TEXTBOX;

    QTimer CONF_OUTPUT_TIMER;

    void Form_Load();
    void Form_Unload() override;
    void CONF_OUTPUT_TIMER_Timer();
    void SAVE_BUTTON_Click();
    void CANCEL_BUTTON_Click();
    void CLEAR_ALL_BUTTON_Click();
    void NO_2X_BUTTON_Click();
    void IDS_BUTTON_Click();
    void KD_RPC_TEST_CREDENTIALS_BUTTON_Click();
    void WALLET_TICKBOX_Click();
    void OLD_WALLET_SUPPORT_TICKBOX_Click();

private:
    void setTickBoxLabels();
    QString renderPreview();
    void storeFields();

    AppContext& m_context;
};
