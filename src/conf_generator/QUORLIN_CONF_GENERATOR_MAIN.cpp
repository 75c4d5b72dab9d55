#include "QUORLIN_CONF_GENERATOR_MAIN.h"

#include "QUORLIN_CONF_GENERATOR_IDS.h"
#include "QUORLIN_CONF_GENERATOR_TEST_RPC.h"
#include "conf_file.h"
#include "conf_text.h"
#include "core/default_conf_path.h"
#include "core/overloaded.h"
#include "core/tick_box.h"
#include "core/timer_switch.h"
#include "core/window_placement.h"

#include <variant>

namespace {

using Window = QUORLIN_CONF_GENERATOR_MAIN;
using TextBox = QLineEdit* Ui::QUORLIN_CONF_GENERATOR_MAIN::*;
using TickBox = QCheckBox* Ui::QUORLIN_CONF_GENERATOR_MAIN::*;
using BlockBox = MultiLineBox* Ui::QUORLIN_CONF_GENERATOR_MAIN::*;
using HiddenText = QString Window::*;

// The fields kept in the settings store, in the order they are read at load
// and written at save, after the coin's name (which the node settings keep).
struct StoredField {
    std::variant<TextKey, TickKey> key;
    std::variant<TextBox, TickBox, BlockBox, HiddenText> field;
};

const StoredField kStoredFields[] = {
    { keys::kWalletFile, &Window::WALLET_FILE_TEXTBOX },
    { keys::kWallet, &Window::WALLET_TICKBOX },
    { keys::kDisableWallet, &Window::DISABLE_WALLET_TICKBOX },
    { keys::kServer, &Window::SERVER_TICKBOX },
    { keys::kAlerts, &Window::ALERTS_TICKBOX },
    { keys::kListen, &Window::LISTEN_TICKBOX },
    { keys::kUpnp, &Window::UPNP_TICKBOX },
    { keys::kDns, &Window::DNS_TICKBOX },
    { keys::kOldWalletSupport, &Window::OLD_WALLET_SUPPORT_TICKBOX },
    { keys::kDaemon, &Window::DAEMON_TICKBOX },
    { keys::kPeerLocalhost, &Window::PEER_LOCALHOST_TICKBOX },
    { keys::kRpcLocalhost, &Window::RPC_LOCALHOST_TICKBOX },
    { keys::kTimeout, &Window::TIMEOUT_TEXTBOX },
    { keys::kRpcTimeout, &Window::RPC_TIMEOUT_TEXTBOX },
    { keys::kMaxConnections, &Window::MAX_CONNECTIONS_TEXTBOX },
    { keys::kPeerPort, &Window::PEER_PORT_TEXTBOX },
    { keys::kRpcPort, &Window::RPC_PORT_TEXTBOX },
    { keys::kUaComment, &Window::UACOMMENT_TEXTBOX },
    { keys::kRpcUser, &Window::RPC_USER_TEXTBOX },
    { keys::kRpcPassword, &Window::RPC_PASSWORD_TEXTBOX },
    { keys::kRpcAuth, &Window::RPC_AUTH_TEXTBOX },
    { keys::kFullNodeList, &Window::FULL_NODE_LIST_TEXTBOX },
    { keys::kUserDefinedSettings, &Window::USER_DEFINED_SETTINGS_TEXTBOX },
};

// The tick boxes whose rule only switches their own line on and off.
struct LabelRule {
    TickBox box;
    HiddenText label;
    QString activeLabel;
};

const LabelRule kLabelRules[] = {
    { &Window::SERVER_TICKBOX, &Window::SERVER_EQUALS_TEXTBOX, QStringLiteral("server=") },
    { &Window::ALERTS_TICKBOX, &Window::ALERTS_EQUALS_TEXTBOX, QStringLiteral("alerts=") },
    { &Window::LISTEN_TICKBOX, &Window::LISTEN_EQUALS_TEXTBOX, QStringLiteral("listen=") },
    { &Window::UPNP_TICKBOX, &Window::UPNP_EQUALS_TEXTBOX, QStringLiteral("upnp=") },
    { &Window::DNS_TICKBOX, &Window::DNS_EQUALS_TEXTBOX, QStringLiteral("dns=") },
    { &Window::PEER_LOCALHOST_TICKBOX, &Window::PEER_ALLOW_LOCAL_IP_TEXTBOX, QStringLiteral("allowip=") },
    { &Window::RPC_LOCALHOST_TICKBOX, &Window::RPC_ALLOW_LOCAL_IP_TEXTBOX, QStringLiteral("rpcallowip=") },
};

// The label of a tick box line: active while the box is ticked.
QString tickLineLabel(const QCheckBox& box, const QString& activeLabel)
{
    return tickState(box) == 1 ? activeLabel : QLatin1Char('#') + activeLabel;
}

void applyLabelRule(Window& window, const LabelRule& rule)
{
    window.*rule.label = tickLineLabel(*(window.*rule.box), rule.activeLabel);
}

} // namespace

QUORLIN_CONF_GENERATOR_MAIN::QUORLIN_CONF_GENERATOR_MAIN(AppContext& context, QWidget* owner)
    : FormWindow(owner)
    , m_context(context)
{
    setupUi(this);

    connect(&CONF_OUTPUT_TIMER, &QTimer::timeout, this, &Window::CONF_OUTPUT_TIMER_Timer);
    connect(SAVE_BUTTON, &QPushButton::clicked, this, &Window::SAVE_BUTTON_Click);
    connect(CANCEL_BUTTON, &QPushButton::clicked, this, &Window::CANCEL_BUTTON_Click);
    connect(CLEAR_ALL_BUTTON, &QPushButton::clicked, this, &Window::CLEAR_ALL_BUTTON_Click);
    connect(NO_2X_BUTTON, &QPushButton::clicked, this, &Window::NO_2X_BUTTON_Click);
    connect(IDS_BUTTON, &QPushButton::clicked, this, &Window::IDS_BUTTON_Click);
    connect(KD_RPC_TEST_CREDENTIALS_BUTTON, &QPushButton::clicked, this,
        &Window::KD_RPC_TEST_CREDENTIALS_BUTTON_Click);

    // The rules run on every change of state, whoever makes it.
    connect(WALLET_TICKBOX, &QCheckBox::stateChanged, this, &Window::WALLET_TICKBOX_Click);
    connect(OLD_WALLET_SUPPORT_TICKBOX, &QCheckBox::stateChanged, this,
        &Window::OLD_WALLET_SUPPORT_TICKBOX_Click);
    for (const LabelRule& rule : kLabelRules)
        connect(
            this->*rule.box, &QCheckBox::stateChanged, this, [this, &rule] { applyLabelRule(*this, rule); });

    Form_Load();
}

void QUORLIN_CONF_GENERATOR_MAIN::Form_Load()
{
    const SettingsStore& store = m_context.store;
    restorePlacement(*this, store, geometry::kConfGenerator);

    CRYPTO_NAME_TEXTBOX->setText(store.read(keys::kCryptoName));
    for (const StoredField& stored : kStoredFields) {
        const auto text = [&] { return store.read(std::get<TextKey>(stored.key)); };
        std::visit(
            Overloaded {
                [&](TextBox box) { (this->*box)->setText(text()); },
                [&](TickBox box) { setTickState(*(this->*box), store.read(std::get<TickKey>(stored.key))); },
                [&](BlockBox box) { (this->*box)->setText(text()); },
                [&](HiddenText hidden) { this->*hidden = text(); },
            },
            stored.field);
    }

    CONF_FILE_LOCATION_TEXTBOX->setText(defaultConfPath(store.executable()));
    CONF_OUTPUT_TIMER.setInterval(1000);
    setTimerEnabled(CONF_OUTPUT_TIMER, true);
    FULL_KD_CONF_MESSAGE = confHeaderLine(CRYPTO_NAME_TEXTBOX->text(), KD_CONF_MESSAGE);
    setTickBoxLabels();

    // The preview shows the loaded configuration at once, not only after the
    // first tick, so that a save right after opening writes it.
    CONF_OUTPUT_TIMER_Timer();
}

void QUORLIN_CONF_GENERATOR_MAIN::setTickBoxLabels()
{
    DISABLE_WALLET_EQUALS_TEXTBOX = tickLineLabel(*WALLET_TICKBOX, QStringLiteral("disablewallet="));
    for (const LabelRule& rule : kLabelRules)
        applyLabelRule(*this, rule);
    const bool oldWalletSupport = tickState(*OLD_WALLET_SUPPORT_TICKBOX) == 1;
    DAEMON_TICKBOX->setEnabled(oldWalletSupport);
    DAEMON_EQUALS_TEXTBOX = tickLineLabel(*OLD_WALLET_SUPPORT_TICKBOX, QStringLiteral("daemon="));
}

void QUORLIN_CONF_GENERATOR_MAIN::Form_Unload()
{
    CONF_OUTPUT_TIMER.stop();
    savePosition(*this, m_context.store, geometry::kConfGenerator);
}

void QUORLIN_CONF_GENERATOR_MAIN::WALLET_TICKBOX_Click()
{
    if (tickState(*WALLET_TICKBOX) == 1) {
        DISABLE_WALLET_EQUALS_TEXTBOX = QStringLiteral("disablewallet=");
        DISABLE_WALLET_TICKBOX->setEnabled(true);
    } else {
        DISABLE_WALLET_EQUALS_TEXTBOX = QStringLiteral("#disablewallet=");
        DISABLE_WALLET_TICKBOX->setEnabled(false);
        DISABLE_WALLET_TICKBOX->setChecked(false);
    }
}

void QUORLIN_CONF_GENERATOR_MAIN::OLD_WALLET_SUPPORT_TICKBOX_Click()
{
    if (tickState(*OLD_WALLET_SUPPORT_TICKBOX) == 1) {
        DAEMON_TICKBOX->setEnabled(true);
        DAEMON_EQUALS_TEXTBOX = QStringLiteral("daemon=");
    } else {
        DAEMON_TICKBOX->setEnabled(false);
        DAEMON_EQUALS_TEXTBOX = QStringLiteral("#daemon=");
        DAEMON_TICKBOX->setChecked(false);
    }
}

QString QUORLIN_CONF_GENERATOR_MAIN::renderPreview()
{
    FULL_KD_CONF_MESSAGE = confHeaderLine(CRYPTO_NAME_TEXTBOX->text(), KD_CONF_MESSAGE);

    struct ValueLine {
        QString& label;
        QString activeLabel;
        QString value;
    };
    ValueLine valueLines[] = {
        { WALLET_EQUALS_TEXTBOX, QStringLiteral("wallet="), WALLET_FILE_TEXTBOX->text() },
        { PEER_TIMEOUT_EQUALS_TEXTBOX, QStringLiteral("timeout="), TIMEOUT_TEXTBOX->text() },
        { RPC_TIMEOUT_EQUALS_TEXTBOX, QStringLiteral("rpctimeout="), RPC_TIMEOUT_TEXTBOX->text() },
        { MAX_CONNECTIONS_EQUALS_TEXTBOX, QStringLiteral("maxconnections="),
            MAX_CONNECTIONS_TEXTBOX->text() },
        { PORT_EQUALS_TEXTBOX, QStringLiteral("port="), PEER_PORT_TEXTBOX->text() },
        { RPC_PORT_EQUALS_TEXTBOX, QStringLiteral("rpcport="), RPC_PORT_TEXTBOX->text() },
        { UACOMMENT_EQUALS_TEXTBOX, QStringLiteral("uacomment="), UACOMMENT_TEXTBOX->text() },
        { RPCUSER_EQUALS_TEXTBOX, QStringLiteral("rpcuser="), RPC_USER_TEXTBOX->text() },
        { RPCPASSWORD_EQUALS_TEXTBOX, QStringLiteral("rpcpassword="), RPC_PASSWORD_TEXTBOX->text() },
        { RPCAUTH_EQUALS_TEXTBOX, QStringLiteral("rpcauth="), RPC_AUTH_TEXTBOX->text() },
    };
    for (ValueLine& line : valueLines)
        line.label = valueLineLabel(line.activeLabel, line.value);

    const auto state = [](const QCheckBox* box) { return tickText(tickState(*box)); };
    const ConfTextParts parts {
        FULL_KD_CONF_MESSAGE,
        { {
            { WALLET_EQUALS_TEXTBOX, valueLines[0].value },
            { DISABLE_WALLET_EQUALS_TEXTBOX, state(DISABLE_WALLET_TICKBOX) },
            { SERVER_EQUALS_TEXTBOX, state(SERVER_TICKBOX) },
            { ALERTS_EQUALS_TEXTBOX, state(ALERTS_TICKBOX) },
            { LISTEN_EQUALS_TEXTBOX, state(LISTEN_TICKBOX) },
            { UPNP_EQUALS_TEXTBOX, state(UPNP_TICKBOX) },
            { DNS_EQUALS_TEXTBOX, state(DNS_TICKBOX) },
            { DAEMON_EQUALS_TEXTBOX, state(DAEMON_TICKBOX) },
            { PEER_ALLOW_LOCAL_IP_TEXTBOX, LOCALHOST_IP_TEXTBOX },
            { RPC_ALLOW_LOCAL_IP_TEXTBOX, LOCALHOST_IP_TEXTBOX },
            { PEER_TIMEOUT_EQUALS_TEXTBOX, valueLines[1].value },
            { RPC_TIMEOUT_EQUALS_TEXTBOX, valueLines[2].value },
            { MAX_CONNECTIONS_EQUALS_TEXTBOX, valueLines[3].value },
            { PORT_EQUALS_TEXTBOX, valueLines[4].value },
            { RPC_PORT_EQUALS_TEXTBOX, valueLines[5].value },
            { UACOMMENT_EQUALS_TEXTBOX, valueLines[6].value },
        } },
        { {
            { RPCUSER_EQUALS_TEXTBOX, valueLines[7].value },
            { RPCPASSWORD_EQUALS_TEXTBOX, valueLines[8].value },
            { RPCAUTH_EQUALS_TEXTBOX, valueLines[9].value },
        } },
        USER_DEFINED_SETTINGS_TEXTBOX->text(),
        FULL_NODE_LIST_TEXTBOX,
    };
    return assembleConfText(parts);
}

void QUORLIN_CONF_GENERATOR_MAIN::CONF_OUTPUT_TIMER_Timer()
{
    CONF_OUTPUT_TEXTBOX->setText(renderPreview());
}

void QUORLIN_CONF_GENERATOR_MAIN::storeFields()
{
    SettingsStore& store = m_context.store;
    m_context.node.setText(NodeText::CryptoName, CRYPTO_NAME_TEXTBOX->text());
    for (const StoredField& stored : kStoredFields) {
        const auto write = [&](const QString& text) { store.write(std::get<TextKey>(stored.key), text); };
        std::visit(
            Overloaded {
                [&](TextBox box) { write((this->*box)->text()); },
                [&](TickBox box) { store.write(std::get<TickKey>(stored.key), tickState(*(this->*box))); },
                [&](BlockBox box) { write((this->*box)->text()); },
                [&](HiddenText hidden) { write(this->*hidden); },
            },
            stored.field);
    }
}

void QUORLIN_CONF_GENERATOR_MAIN::SAVE_BUTTON_Click()
{
    savePosition(*this, m_context.store, geometry::kConfGenerator);
    storeFields();

    // The file gets the fields as they are now, also when the last tick was
    // before the latest edit.
    const QString text = renderPreview();
    CONF_OUTPUT_TEXTBOX->setText(text);
    CANCEL_BUTTON->setText(QStringLiteral("Close"));
    if (const std::optional<QString> error = writeConfFile(m_context.store.executable(), text))
        m_context.platform.dialogs.showError(this, windowTitle(), *error);
}

void QUORLIN_CONF_GENERATOR_MAIN::CANCEL_BUTTON_Click()
{
    unload();
}

void QUORLIN_CONF_GENERATOR_MAIN::CLEAR_ALL_BUTTON_Click()
{
    CRYPTO_NAME_TEXTBOX->clear();
    WALLET_FILE_TEXTBOX->clear();
    for (QCheckBox* box : { WALLET_TICKBOX, SERVER_TICKBOX, ALERTS_TICKBOX, LISTEN_TICKBOX, UPNP_TICKBOX,
             DNS_TICKBOX, OLD_WALLET_SUPPORT_TICKBOX, DAEMON_TICKBOX })
        box->setChecked(false);
    DAEMON_TICKBOX->setEnabled(false);
    PEER_LOCALHOST_TICKBOX->setChecked(false);
    RPC_LOCALHOST_TICKBOX->setChecked(false);
    for (QLineEdit* box : { TIMEOUT_TEXTBOX, RPC_TIMEOUT_TEXTBOX, MAX_CONNECTIONS_TEXTBOX, PEER_PORT_TEXTBOX,
             RPC_PORT_TEXTBOX, UACOMMENT_TEXTBOX, RPC_USER_TEXTBOX, RPC_PASSWORD_TEXTBOX })
        box->clear();
    RPC_AUTH_TEXTBOX->clear();
    USER_DEFINED_SETTINGS_TEXTBOX->clear();
    FULL_NODE_LIST_TEXTBOX.clear();
}

void QUORLIN_CONF_GENERATOR_MAIN::NO_2X_BUTTON_Click()
{
    UACOMMENT_TEXTBOX->setText(QStringLiteral("NO2X"));
}

void QUORLIN_CONF_GENERATOR_MAIN::IDS_BUTTON_Click()
{
    QUORLIN_CONF_GENERATOR_IDS window(m_context, *this);
    window.exec();
}

void QUORLIN_CONF_GENERATOR_MAIN::KD_RPC_TEST_CREDENTIALS_BUTTON_Click()
{
    QUORLIN_CONF_GENERATOR_TEST_RPC window(m_context, *this);
    window.exec();
}
