#include "QUORLIN_CONF_GENERATOR_MAIN.h"
#include "ui_QUORLIN_CONF_GENERATOR_MAIN.h"

#include "QUORLIN_CONF_CHECK_NOTE.h"
#include "QUORLIN_CONF_GENERATOR_IDS.h"
#include "QUORLIN_CONF_GENERATOR_TEST_RPC.h"
#include "conf_file.h"
#include "conf_text.h"
#include "core/default_conf_path.h"
#include "core/timer_switch.h"
#include "noted_findings.h"
#include "save_check.h"

using Window = QUORLIN_CONF_GENERATOR_MAIN;

QUORLIN_CONF_GENERATOR_MAIN::QUORLIN_CONF_GENERATOR_MAIN(AppContext& context, QWidget* owner)
    : FormWindow(owner, context.store, geometry::kConfGenerator)
    , m_context(context)
    , m_model(context.store, context.node)
    , ui(std::make_unique<Ui::QUORLIN_CONF_GENERATOR_MAIN>())
{
    ui->setupUi(this);
    CONF_OUTPUT_TIMER.setObjectName(QStringLiteral("CONF_OUTPUT_TIMER"));

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

    // Each field's control is named after its stored key; the node list, a
    // hidden field, has none.
    bindText(ui->CRYPTO_NAME_TEXTBOX, &ConfFields::cryptoName, &QLineEdit::textChanged);
    for (const ConfFieldRow& row : kConfFieldRows) {
        QWidget* const control = findChild<QWidget*>(QString(row.key));
        if (auto* const box = qobject_cast<QCheckBox*>(control))
            bindTick(box, std::get<ConfTick>(row.member));
        else if (auto* const line = qobject_cast<QLineEdit*>(control))
            bindText(line, std::get<ConfText>(row.member), &QLineEdit::textChanged);
        else if (auto* const block = qobject_cast<MultiLineBox*>(control))
            bindText(block, std::get<ConfText>(row.member), &QPlainTextEdit::textChanged);
    }
    // The preview renders again at the next tick once a field has changed.
    connect(&m_model, &ConfGeneratorModel::changed, this, [this] {
        showFields();
        m_previewStale = true;
    });

    Form_Load();
}

QUORLIN_CONF_GENERATOR_MAIN::~QUORLIN_CONF_GENERATOR_MAIN() = default;

// Every change of the box's text goes to the model, whoever makes it.
template <class Box, class Edited>
void QUORLIN_CONF_GENERATOR_MAIN::bindText(Box* box, ConfText field, Edited edited)
{
    connect(box, edited, this, [this, box, field] { m_model.setText(field, box->text()); });
    // A text box keeps its cursor and undo steps unless its text changes.
    m_showFields.push_back([this, box, field] {
        if (box->text() != m_model.fields().*field)
            box->setText(m_model.fields().*field);
    });
}

// Every change of state goes to the model; a box the model keeps as it was
// (a greyed one ticked by code) shows the model's state again at once.
void QUORLIN_CONF_GENERATOR_MAIN::bindTick(QCheckBox* box, ConfTick tick)
{
    const auto show = [this, box, tick] {
        box->setEnabled(m_model.isEnabled(tick));
        box->setChecked(m_model.fields().*tick);
    };
    connect(box, &QCheckBox::stateChanged, this, [this, box, tick, show] {
        m_model.setTick(tick, box->isChecked());
        show();
    });
    m_showFields.push_back(show);
}

void QUORLIN_CONF_GENERATOR_MAIN::showFields()
{
    for (const auto& show : m_showFields)
        show();
}

void QUORLIN_CONF_GENERATOR_MAIN::Form_Load()
{
    const SettingsStore& store = m_context.store;
    restorePlacement();
    m_model.load();
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
    m_saveCheck.reset();
    // The note closes with this window and stores its position as it does.
    if (m_note)
        m_note->unload();
}

// Without a change since the last render the preview already shows the text
// a render would give: rendering a block of several MB every second would take
// the panel's time from its other windows.
void QUORLIN_CONF_GENERATOR_MAIN::CONF_OUTPUT_TIMER_Timer()
{
    if (!m_previewStale)
        return;
    m_previewStale = false;
    ui->CONF_OUTPUT_TEXTBOX->setText(renderConfText(m_model.fields()));
}

// The file gets the fields as they are at the click, also when the last tick
// was before the latest edit. The daemon is asked for its options in the
// background: the windows and the watcher go on meanwhile, a further click
// starts nothing, and closing the window ends the check and writes nothing.
void QUORLIN_CONF_GENERATOR_MAIN::SAVE_BUTTON_Click()
{
    if (m_saveCheck)
        return;
    const ConfFields saved = m_model.fields();
    const QString text = renderConfText(saved);
    ui->CONF_OUTPUT_TEXTBOX->setText(text);
    m_saveCheck = std::make_unique<QObject>();
    checkBeforeSave(m_context.platform.programHelp, m_context.node.commandLine(NodeText::DaemonCommand), text,
        m_saveCheck.get(), [this, saved, text](const SaveCheck& check) {
            m_saveCheck.reset();
            finishSave(saved, text, check);
        });
}

// What would stop the node or expose it is shown before anything is stored or
// written; keys it ignores and public credentials are noted once, after the
// file is written.
void QUORLIN_CONF_GENERATOR_MAIN::finishSave(
    const ConfFields& saved, const QString& text, const SaveCheck& check)
{
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
        m_model.store(saved);
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

// The ".conf" path stays.
void QUORLIN_CONF_GENERATOR_MAIN::CLEAR_ALL_BUTTON_Click()
{
    m_model.clearAll();
}

void QUORLIN_CONF_GENERATOR_MAIN::NO_2X_BUTTON_Click()
{
    m_model.useNo2xComment();
}

void QUORLIN_CONF_GENERATOR_MAIN::IDS_BUTTON_Click()
{
    QUORLIN_CONF_GENERATOR_IDS window(m_context, m_model, this);
    window.exec();
}

void QUORLIN_CONF_GENERATOR_MAIN::KD_RPC_TEST_CREDENTIALS_BUTTON_Click()
{
    QUORLIN_CONF_GENERATOR_TEST_RPC window(m_context, m_model, this);
    window.exec();
}
