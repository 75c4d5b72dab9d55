#include "QUORLIN_CONF_GENERATOR_MAIN.h"
#include "ui_QUORLIN_CONF_GENERATOR_MAIN.h"

#include "QUORLIN_CONF_CHECK_NOTE.h"
#include "QUORLIN_CONF_GENERATOR_IDS.h"
#include "QUORLIN_CONF_GENERATOR_TEST_RPC.h"
#include "conf_file.h"
#include "conf_store.h"
#include "core/default_conf_path.h"
#include "core/timer_switch.h"
#include "noted_findings.h"
#include "save_check.h"

namespace {

using Window = QUORLIN_CONF_GENERATOR_MAIN;
using Form = Ui::QUORLIN_CONF_GENERATOR_MAIN;

// The controls that show the fields.
const struct {
    QLineEdit* Form::*box;
    QString ConfFields::*field;
} kLineBoxes[] = {
    { &Form::CRYPTO_NAME_TEXTBOX, &ConfFields::cryptoName },
    { &Form::WALLET_FILE_TEXTBOX, &ConfFields::walletFile },
    { &Form::TIMEOUT_TEXTBOX, &ConfFields::timeout },
    { &Form::RPC_TIMEOUT_TEXTBOX, &ConfFields::rpcTimeout },
    { &Form::MAX_CONNECTIONS_TEXTBOX, &ConfFields::maxConnections },
    { &Form::PEER_PORT_TEXTBOX, &ConfFields::peerPort },
    { &Form::RPC_PORT_TEXTBOX, &ConfFields::rpcPort },
    { &Form::UACOMMENT_TEXTBOX, &ConfFields::uaComment },
    { &Form::RPC_USER_TEXTBOX, &ConfFields::rpcUser },
    { &Form::RPC_PASSWORD_TEXTBOX, &ConfFields::rpcPassword },
};

const struct {
    MultiLineBox* Form::*box;
    QString ConfFields::*field;
} kBlockBoxes[] = {
    { &Form::RPC_AUTH_TEXTBOX, &ConfFields::rpcAuth },
    { &Form::USER_DEFINED_SETTINGS_TEXTBOX, &ConfFields::userDefinedSettings },
};

// The wallet box comes before Disabled, old wallet support before Daemon:
// their rules untick the second box when the first is unticked.
const struct {
    QCheckBox* Form::*box;
    bool ConfFields::*field;
} kTickBoxes[] = {
    { &Form::WALLET_TICKBOX, &ConfFields::wallet },
    { &Form::DISABLE_WALLET_TICKBOX, &ConfFields::disableWallet },
    { &Form::SERVER_TICKBOX, &ConfFields::server },
    { &Form::ALERTS_TICKBOX, &ConfFields::alerts },
    { &Form::LISTEN_TICKBOX, &ConfFields::listen },
    { &Form::UPNP_TICKBOX, &ConfFields::upnp },
    { &Form::DNS_TICKBOX, &ConfFields::dns },
    { &Form::OLD_WALLET_SUPPORT_TICKBOX, &ConfFields::oldWalletSupport },
    { &Form::DAEMON_TICKBOX, &ConfFields::daemon },
    { &Form::PEER_LOCALHOST_TICKBOX, &ConfFields::peerLocalhost },
    { &Form::RPC_LOCALHOST_TICKBOX, &ConfFields::rpcLocalhost },
};

// A box that its rule's box greys: ticked, it is enabled; unticked, it is
// greyed and unticked.
void followRule(const QCheckBox& rule, QCheckBox& dependent)
{
    dependent.setEnabled(rule.isChecked());
    if (!rule.isChecked())
        dependent.setChecked(false);
}

} // namespace

QUORLIN_CONF_GENERATOR_MAIN::QUORLIN_CONF_GENERATOR_MAIN(AppContext& context, QWidget* owner)
    : FormWindow(owner, context.store, geometry::kConfGenerator)
    , m_context(context)
    , ui(std::make_unique<Ui::QUORLIN_CONF_GENERATOR_MAIN>())
{
    ui->setupUi(this);

    connect(&CONF_OUTPUT_TIMER, &QTimer::timeout, this, &Window::CONF_OUTPUT_TIMER_Timer);
    const struct {
        QPushButton* button;
        void (Window::*handler)();
    } clicks[] = {
        { ui->SAVE_BUTTON, &Window::SAVE_BUTTON_Click },
        { ui->CANCEL_BUTTON, &Window::CANCEL_BUTTON_Click },
        { ui->CLEAR_ALL_BUTTON, &Window::CLEAR_ALL_BUTTON_Click },
        { ui->NO_2X_BUTTON, &Window::NO_2X_BUTTON_Click },
        { ui->IDS_BUTTON, &Window::IDS_BUTTON_Click },
        { ui->KD_RPC_TEST_CREDENTIALS_BUTTON, &Window::KD_RPC_TEST_CREDENTIALS_BUTTON_Click },
    };
    for (const auto& click : clicks)
        connect(click.button, &QPushButton::clicked, this, click.handler);

    // The preview renders again once a field has changed; the node list, a
    // plain string, is compared at the tick.
    const auto stale = [this] { m_previewStale = true; };
    for (const auto& line : kLineBoxes)
        connect(ui.get()->*line.box, &QLineEdit::textChanged, this, stale);
    for (const auto& block : kBlockBoxes)
        connect(ui.get()->*block.box, &QPlainTextEdit::textChanged, this, stale);
    for (const auto& tick : kTickBoxes)
        connect(ui.get()->*tick.box, &QCheckBox::stateChanged, this, stale);

    // The rules run on every change of state, whoever makes it.
    connect(ui->WALLET_TICKBOX, &QCheckBox::stateChanged, this, &Window::WALLET_TICKBOX_Click);
    connect(ui->OLD_WALLET_SUPPORT_TICKBOX, &QCheckBox::stateChanged, this,
        &Window::OLD_WALLET_SUPPORT_TICKBOX_Click);

    Form_Load();
}

QUORLIN_CONF_GENERATOR_MAIN::~QUORLIN_CONF_GENERATOR_MAIN() = default;

ConfFields QUORLIN_CONF_GENERATOR_MAIN::fields() const
{
    ConfFields fields;
    for (const auto& line : kLineBoxes)
        fields.*line.field = (ui.get()->*line.box)->text();
    for (const auto& block : kBlockBoxes)
        fields.*block.field = (ui.get()->*block.box)->text();
    for (const auto& tick : kTickBoxes)
        fields.*tick.field = (ui.get()->*tick.box)->isChecked();
    fields.fullNodeList = FULL_NODE_LIST_TEXTBOX;
    return fields;
}

// A text box keeps its cursor and undo steps unless its text changes.
void QUORLIN_CONF_GENERATOR_MAIN::setFields(const ConfFields& fields)
{
    const auto show = [](auto& box, const QString& text) {
        if (box.text() != text)
            box.setText(text);
    };
    for (const auto& line : kLineBoxes)
        show(*(ui.get()->*line.box), fields.*line.field);
    for (const auto& block : kBlockBoxes)
        show(*(ui.get()->*block.box), fields.*block.field);
    for (const auto& tick : kTickBoxes)
        (ui.get()->*tick.box)->setChecked(fields.*tick.field);
    FULL_NODE_LIST_TEXTBOX = fields.fullNodeList;
}

void QUORLIN_CONF_GENERATOR_MAIN::Form_Load()
{
    const SettingsStore& store = m_context.store;
    restorePlacement();
    setFields(loadConfFields(store));
    ui->DAEMON_TICKBOX->setEnabled(ui->OLD_WALLET_SUPPORT_TICKBOX->isChecked());
    ui->CONF_FILE_LOCATION_TEXTBOX->setText(defaultConfPath(store.executable()));
    CONF_OUTPUT_TIMER.setInterval(1000);
    setTimerEnabled(CONF_OUTPUT_TIMER, true);

    // The preview shows the loaded configuration at once, not only after the
    // first tick.
    CONF_OUTPUT_TIMER_Timer();
}

void QUORLIN_CONF_GENERATOR_MAIN::Form_Unload()
{
    CONF_OUTPUT_TIMER.stop();
    // The note closes with this window and stores its position as it does.
    if (m_note)
        m_note->unload();
}

void QUORLIN_CONF_GENERATOR_MAIN::WALLET_TICKBOX_Click()
{
    followRule(*ui->WALLET_TICKBOX, *ui->DISABLE_WALLET_TICKBOX);
}

void QUORLIN_CONF_GENERATOR_MAIN::OLD_WALLET_SUPPORT_TICKBOX_Click()
{
    followRule(*ui->OLD_WALLET_SUPPORT_TICKBOX, *ui->DAEMON_TICKBOX);
}

// Without a change since the last render the preview already shows the text
// a render would give: rendering a block of several MB every second would take
// the panel's time from its other windows.
void QUORLIN_CONF_GENERATOR_MAIN::CONF_OUTPUT_TIMER_Timer()
{
    if (!m_previewStale && FULL_NODE_LIST_TEXTBOX == m_renderedNodeList)
        return;
    m_previewStale = false;
    m_renderedNodeList = FULL_NODE_LIST_TEXTBOX;
    ui->CONF_OUTPUT_TEXTBOX->setText(renderConfText(fields()));
}

void QUORLIN_CONF_GENERATOR_MAIN::SAVE_BUTTON_Click()
{
    // The file gets the fields as they are now, also when the last tick was
    // before the latest edit. What would stop the node or expose it is shown
    // before anything is stored or written; keys it ignores and public
    // credentials are noted once, after the file is written.
    const ConfFields saved = fields();
    const QString text = renderConfText(saved);
    ui->CONF_OUTPUT_TEXTBOX->setText(text);
    const SaveCheck check
        = checkBeforeSave(m_context.platform.programs, m_context.node.text(NodeText::DaemonCommand), text);
    if (m_note)
        m_note->unload();
    if (!confirmConfSave(this, m_context.platform.dialogs, check))
        return;

    // The store is written once, before any message is shown.
    std::optional<QString> error;
    bool noteFindings = false;
    {
        const SettingsStore::Batch batch(m_context.store);
        savePosition();
        storeConfFields(m_context.store, m_context.node, saved);
        error = writeConfFile(m_context.store.executable(), text);
        // Findings that a dialog has listed count as told as well.
        noteFindings = !error && firstTimeNoted(m_context.store, check) && !stopsSave(check);
    }
    ui->CANCEL_BUTTON->setText(QStringLiteral("Close"));
    if (error) {
        m_context.platform.dialogs.showError(this, windowTitle(), *error);
        return;
    }
    if (noteFindings) {
        m_note = new QUORLIN_CONF_CHECK_NOTE(m_context, saveNoteText(check), this);
        m_note->show();
        // The note asks not to be activated; where the window system activates
        // every new window anyway, this window takes the focus back at once.
        activateWindow();
    }
}

void QUORLIN_CONF_GENERATOR_MAIN::CANCEL_BUTTON_Click()
{
    unload();
}

// Empties every field and unticks every box; the ".conf" path stays.
void QUORLIN_CONF_GENERATOR_MAIN::CLEAR_ALL_BUTTON_Click()
{
    setFields(ConfFields {});
}

void QUORLIN_CONF_GENERATOR_MAIN::NO_2X_BUTTON_Click()
{
    ui->UACOMMENT_TEXTBOX->setText(QStringLiteral("NO2X"));
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
