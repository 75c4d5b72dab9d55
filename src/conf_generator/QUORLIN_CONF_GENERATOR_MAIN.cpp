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
#include "node_control/QUORLIN_MAIN.h"
#include "save_check.h"

#include <variant>

namespace {

using Window = QUORLIN_CONF_GENERATOR_MAIN;
using TextBox = QLineEdit* Ui::QUORLIN_CONF_GENERATOR_MAIN::*;
using TickBox = QCheckBox* Ui::QUORLIN_CONF_GENERATOR_MAIN::*;
using BlockBox = MultiLineBox* Ui::QUORLIN_CONF_GENERATOR_MAIN::*;
using HiddenText = QString Window::*;

// The fields kept in the settings store, in the order they are read at load
// and written at save. Each key is the name of its control.
struct StoredField {
    QString key;
    std::variant<TextBox, TickBox, BlockBox, HiddenText> field;
};

const StoredField kStoredFields[] = {
    { QStringLiteral("CRYPTO_NAME_TEXTBOX"), &Window::CRYPTO_NAME_TEXTBOX },
    { QStringLiteral("WALLET_FILE_TEXTBOX"), &Window::WALLET_FILE_TEXTBOX },
    { QStringLiteral("WALLET_TICKBOX"), &Window::WALLET_TICKBOX },
    { QStringLiteral("DISABLE_WALLET_TICKBOX"), &Window::DISABLE_WALLET_TICKBOX },
    { QStringLiteral("SERVER_TICKBOX"), &Window::SERVER_TICKBOX },
    { QStringLiteral("ALERTS_TICKBOX"), &Window::ALERTS_TICKBOX },
    { QStringLiteral("LISTEN_TICKBOX"), &Window::LISTEN_TICKBOX },
    { QStringLiteral("UPNP_TICKBOX"), &Window::UPNP_TICKBOX },
    { QStringLiteral("DNS_TICKBOX"), &Window::DNS_TICKBOX },
    { QStringLiteral("OLD_WALLET_SUPPORT_TICKBOX"), &Window::OLD_WALLET_SUPPORT_TICKBOX },
    { QStringLiteral("DAEMON_TICKBOX"), &Window::DAEMON_TICKBOX },
    { QStringLiteral("PEER_LOCALHOST_TICKBOX"), &Window::PEER_LOCALHOST_TICKBOX },
    { QStringLiteral("RPC_LOCALHOST_TICKBOX"), &Window::RPC_LOCALHOST_TICKBOX },
    { QStringLiteral("TIMEOUT_TEXTBOX"), &Window::TIMEOUT_TEXTBOX },
    { QStringLiteral("RPC_TIMEOUT_TEXTBOX"), &Window::RPC_TIMEOUT_TEXTBOX },
    { QStringLiteral("MAX_CONNECTIONS_TEXTBOX"), &Window::MAX_CONNECTIONS_TEXTBOX },
    { QStringLiteral("PEER_PORT_TEXTBOX"), &Window::PEER_PORT_TEXTBOX },
    { QStringLiteral("RPC_PORT_TEXTBOX"), &Window::RPC_PORT_TEXTBOX },
    { QStringLiteral("UACOMMENT_TEXTBOX"), &Window::UACOMMENT_TEXTBOX },
    { QStringLiteral("RPC_USER_TEXTBOX"), &Window::RPC_USER_TEXTBOX },
    { QStringLiteral("RPC_PASSWORD_TEXTBOX"), &Window::RPC_PASSWORD_TEXTBOX },
    { QStringLiteral("RPC_AUTH_TEXTBOX"), &Window::RPC_AUTH_TEXTBOX },
    { QStringLiteral("FULL_NODE_LIST_TEXTBOX"), &Window::FULL_NODE_LIST_TEXTBOX },
    { QStringLiteral("USER_DEFINED_SETTINGS_TEXTBOX"), &Window::USER_DEFINED_SETTINGS_TEXTBOX },
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

QUORLIN_CONF_GENERATOR_MAIN::QUORLIN_CONF_GENERATOR_MAIN(
    AppContext& context, QUORLIN_MAIN& mainWindow, QWidget* owner)
    : FormWindow(owner)
    , m_context(context)
    , m_mainWindow(mainWindow)
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

    for (const StoredField& stored : kStoredFields) {
        std::visit(Overloaded {
                       [&](TextBox box) { (this->*box)->setText(store.readText(stored.key)); },
                       [&](TickBox box) { setTickState(*(this->*box), store.readTick(stored.key, 0)); },
                       [&](BlockBox box) { (this->*box)->setText(store.readText(stored.key)); },
                       [&](HiddenText text) { this->*text = store.readText(stored.key); },
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
    for (const StoredField& stored : kStoredFields) {
        std::visit(Overloaded {
                       [&](TextBox box) { store.writeText(stored.key, (this->*box)->text()); },
                       [&](TickBox box) { store.writeTick(stored.key, tickState(*(this->*box))); },
                       [&](BlockBox box) { store.writeText(stored.key, (this->*box)->text()); },
                       [&](HiddenText text) { store.writeText(stored.key, this->*text); },
                   },
            stored.field);
    }
}

void QUORLIN_CONF_GENERATOR_MAIN::SAVE_BUTTON_Click()
{
    // The file gets the fields as they are now, also when the last tick was
    // before the latest edit. What the node would refuse or ignore is shown
    // before anything is stored or written.
    const QString text = renderPreview();
    CONF_OUTPUT_TEXTBOX->setText(text);
    if (!confirmConfSave(this, m_context.platform, m_mainWindow.KD_D_COMMAND_TEXTBOX, text))
        return;

    savePosition(*this, m_context.store, geometry::kConfGenerator);
    storeFields();
    m_mainWindow.CRYPTO_NAME_TEXTBOX->setText(CRYPTO_NAME_TEXTBOX->text());
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
