#include "QUORLIN_CONF_GENERATOR_TEST_RPC.h"
#include "ui_QUORLIN_CONF_GENERATOR_TEST_RPC.h"

#include "conf_generator_model.h"
#include "core/control_colours.h"
#include "core/look.h"
#include "rpc_test_credentials.h"
#include "secure_credentials.h"

const QString kRpcUserInfoText = QStringLiteral(
    "Website - https://github.com/bitcoin/bitcoin/tree/master/share/rpcauth\r\n"
    "Direct - RPCUser Script - https://github.com/bitcoin/bitcoin/blob/master/share/rpcauth/rpcauth.py\r\n"
    "Use \"MSYS2 MinGW\" to run the python script to create your own credentials.\r\n"
    "Open the script in Notepad to check that you haven't downloaded an HTML page !!!\r\n");

QUORLIN_CONF_GENERATOR_TEST_RPC::QUORLIN_CONF_GENERATOR_TEST_RPC(
    AppContext& context, ConfGeneratorModel& confFields, QWidget* owner)
    : FormWindow(owner, context.store, geometry::kRpcTestCredentials)
    , m_context(context)
    , ui(std::make_unique<Ui::QUORLIN_CONF_GENERATOR_TEST_RPC>())
    , m_confFields(confFields)
{
    ui->setupUi(this);
    setCancelButton(ui->CANCEL_BUTTON);
    ui->RPCUSER_INFO_TEXTBOX->setText(kRpcUserInfoText);
    m_buttonFace = ui->TEST_CFG_1_BUTTON->palette().color(QPalette::Button);

    const std::array<QPushButton*, 10> buttons = presetButtons();
    for (int preset = 1; preset <= kRpcTestPresetCount; ++preset)
        connect(buttons[preset - 1], &QPushButton::clicked, this,
            [this, preset] { TEST_CFG_BUTTON_Click(preset); });
    connect(ui->NEW_SECURE_CREDENTIALS_BUTTON, &QPushButton::clicked, this,
        &QUORLIN_CONF_GENERATOR_TEST_RPC::NEW_SECURE_CREDENTIALS_BUTTON_Click);
    connect(ui->USE_CURRENT_CREDENTIALS_BUTTON, &QPushButton::clicked, this,
        &QUORLIN_CONF_GENERATOR_TEST_RPC::USE_CURRENT_CREDENTIALS_BUTTON_Click);
    connect(ui->CANCEL_BUTTON, &QPushButton::clicked, this,
        &QUORLIN_CONF_GENERATOR_TEST_RPC::CANCEL_BUTTON_Click);

    Form_Load();
}

QUORLIN_CONF_GENERATOR_TEST_RPC::~QUORLIN_CONF_GENERATOR_TEST_RPC() = default;

std::array<QPushButton*, 10> QUORLIN_CONF_GENERATOR_TEST_RPC::presetButtons() const
{
    return { ui->TEST_CFG_1_BUTTON, ui->TEST_CFG_2_BUTTON, ui->TEST_CFG_3_BUTTON, ui->TEST_CFG_4_BUTTON,
        ui->TEST_CFG_5_BUTTON, ui->TEST_CFG_6_BUTTON, ui->TEST_CFG_7_BUTTON, ui->TEST_CFG_8_BUTTON,
        ui->TEST_CFG_9_BUTTON, ui->TEST_CFG_10_BUTTON };
}

void QUORLIN_CONF_GENERATOR_TEST_RPC::Form_Load()
{
    restorePlacement();

    const ConfFields& fields = m_confFields.fields();
    ui->RPC_USER_TEXTBOX->setText(fields.rpcUser);
    ui->RPC_PASSWORD_TEXTBOX->setText(fields.rpcPassword);
    ui->RPC_AUTH_TEXTBOX->setText(fields.rpcAuth);

    // Marked by the exact user name alone; the other two texts may differ.
    std::optional<int> match;
    for (int preset = 1; preset <= kRpcTestPresetCount && !match; ++preset) {
        if (ui->RPC_USER_TEXTBOX->text() == kRpcTestPresets[preset - 1].user)
            match = preset;
    }
    markPreset(match);
}

void QUORLIN_CONF_GENERATOR_TEST_RPC::markPreset(std::optional<int> preset)
{
    const std::array<QPushButton*, 10> buttons = presetButtons();
    for (int n = 1; n <= kRpcTestPresetCount; ++n)
        setBackColour(*buttons[n - 1], n == preset ? colourFromBgr(kGreenBgr) : m_buttonFace);
}

void QUORLIN_CONF_GENERATOR_TEST_RPC::TEST_CFG_BUTTON_Click(int preset)
{
    const RpcCredentials& credentials = kRpcTestPresets[preset - 1];
    ui->RPC_USER_TEXTBOX->setText(credentials.user.toString());
    ui->RPC_PASSWORD_TEXTBOX->setText(credentials.password.toString());
    ui->RPC_AUTH_TEXTBOX->setText(credentials.auth.toString());
    markPreset(preset);
}

void QUORLIN_CONF_GENERATOR_TEST_RPC::NEW_SECURE_CREDENTIALS_BUTTON_Click()
{
    const RandomBytes random = m_context.platform.random.read(kSecureCredentialBytes);
    if (!random.error.isEmpty()) {
        m_context.platform.dialogs.showError(this, windowTitle(),
            QStringLiteral("No new credentials were made: the operating system's random generator "
                           "failed.\n\n%1")
                .arg(random.error));
        return;
    }
    const NewCredentials credentials = makeSecureCredentials(random.bytes);
    ui->RPC_USER_TEXTBOX->setText(credentials.user);
    ui->RPC_PASSWORD_TEXTBOX->setText(credentials.password);
    ui->RPC_AUTH_TEXTBOX->setText(credentials.auth);
    markPreset(std::nullopt);
}

void QUORLIN_CONF_GENERATOR_TEST_RPC::USE_CURRENT_CREDENTIALS_BUTTON_Click()
{
    m_confFields.useCredentials(
        ui->RPC_USER_TEXTBOX->text(), ui->RPC_PASSWORD_TEXTBOX->text(), ui->RPC_AUTH_TEXTBOX->text());
    ui->CANCEL_BUTTON->setText(QStringLiteral("Close"));
}

void QUORLIN_CONF_GENERATOR_TEST_RPC::CANCEL_BUTTON_Click()
{
    savePositionAndUnload();
}
