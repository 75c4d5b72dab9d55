#include "QUORLIN_CONF_CHECK_NOTE.h"
#include "ui_QUORLIN_CONF_CHECK_NOTE.h"

QUORLIN_CONF_CHECK_NOTE::QUORLIN_CONF_CHECK_NOTE(AppContext& context, const QString& note, QWidget* owner)
    : FormWindow(owner, context.store, geometry::kConfCheckNote)
    , ui(std::make_unique<Ui::QUORLIN_CONF_CHECK_NOTE>())
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowFlag(Qt::WindowDoesNotAcceptFocus);
    setCancelButton(ui->CLOSE_BUTTON);
    connect(ui->CLOSE_BUTTON, &QPushButton::clicked, this, &QUORLIN_CONF_CHECK_NOTE::CLOSE_BUTTON_Click);
    ui->NOTE_TEXTBOX->setPlainText(note);
    Form_Load();
}

QUORLIN_CONF_CHECK_NOTE::~QUORLIN_CONF_CHECK_NOTE() = default;

void QUORLIN_CONF_CHECK_NOTE::Form_Load()
{
    restorePlacement();
}

void QUORLIN_CONF_CHECK_NOTE::CLOSE_BUTTON_Click()
{
    unload();
}
