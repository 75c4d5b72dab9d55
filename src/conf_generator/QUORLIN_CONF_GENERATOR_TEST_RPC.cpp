#include "QUORLIN_CONF_GENERATOR_TEST_RPC.h"

#include "QUORLIN_CONF_GENERATOR_MAIN.h"
#include "core/control_colours.h"
#include "core/look.h"
#include "core/window_placement.h"
#include "rpc_test_credentials.h"
#include "secure_credentials.h"

const QString kRpcUserInfoText = QStringLiteral(
    "Website - https://github.com/bitcoin/bitcoin/tree/master/share/rpcauth\r\n"
    "Direct - RPCUser Script - https://github.com/bitcoin/bitcoin/blob/master/share/rpcauth/rpcauth.py\r\n"
    "Use \"MSYS2 MinGW\" to run the python script to create your own credentials.\r\n"
    "Open the script in Notepad to check that you haven't downloaded an HTML page !!!\r\n");

QUORLIN_CONF_GENERATOR_TEST_RPC::QUORLIN_CONF_GENERATOR_TEST_RPC(
    AppContext& context, QUORLIN_CONF_GENERATOR_MAIN& confGenerator)
    : FormWindow(&confGenerator)
    , m_context(context)
    , m_confGenerator(confGenerator)
{
    setupUi(this);
    setCancelButton(CANCEL_BUTTON);
    RPCUSER_INFO_TEXTBOX->setText(kRpcUserInfoText);
    m_buttonFace = TEST_CFG_1_BUTTON->palette().color(QPalette::Button);

    const std::array<QPushButton*, 10> buttons = presetButtons();
    for (int preset = 1; preset <= kRpcTestPresetCount; ++preset)
        connect(buttons[preset - 1], &QPushButton::clicked, this,
            [this, preset] { TEST_CFG_BUTTON_Click(preset); });
    connect(NEW_SECURE_CREDENTIALS_BUTTON, &QPushButton::clicked, this,
        &QUORLIN_CONF_GENERATOR_TEST_RPC::NEW_SECURE_CREDENTIALS_BUTTON_Click);
    connect(USE_CURRENT_CREDENTIALS_BUTTON, &QPushButton::clicked, this,
        &QUORLIN_CONF_GENERATOR_TEST_RPC::USE_CURRENT_CREDENTIALS_BUTTON_Click);
    connect(
        CANCEL_BUTTON, &QPushButton::clicked, this, &QUORLIN_CONF_GENERATOR_TEST_RPC::CANCEL_BUTTON_Click);

    Form_Load();
}

std::array<QPushButton*, 10> QUORLIN_CONF_GENERATOR_TEST_RPC::presetButtons() const
{
    return { TEST_CFG_1_BUTTON, TEST_CFG_2_BUTTON, TEST_CFG_3_BUTTON, TEST_CFG_4_BUTTON, TEST_CFG_5_BUTTON,
        TEST_CFG_6_BUTTON, TEST_CFG_7_BUTTON, TEST_CFG_8_BUTTON, TEST_CFG_9_BUTTON, TEST_CFG_10_BUTTON };
}

void QUORLIN_CONF_GENERATOR_TEST_RPC::Form_Load()
{
    restorePlacement(*this, m_context.store, geometry::kRpcTestCredentials);

    RPC_USER_TEXTBOX->setText(m_confGenerator.RPC_USER_TEXTBOX->text());
    RPC_PASSWORD_TEXTBOX->setText(m_confGenerator.RPC_PASSWORD_TEXTBOX->text());
    RPC_AUTH_TEXTBOX->setText(m_confGenerator.RPC_AUTH_TEXTBOX->text());

    // Marked by the exact user name alone; the other two texts may differ.
    std::optional<int> match;
    for (int preset = 1; preset <= kRpcTestPresetCount && !match; ++preset) {
        if (RPC_USER_TEXTBOX->text() == kRpcTestPresets[preset - 1].user)
            match = preset;
    }
    markPreset(match);
}

void QUORLIN_CONF_GENERATOR_TEST_RPC::Form_Unload()
{
    savePosition(*this, m_context.store, geometry::kRpcTestCredentials);
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
    RPC_USER_TEXTBOX->setText(credentials.user.toString());
    RPC_PASSWORD_TEXTBOX->setText(credentials.password.toString());
    RPC_AUTH_TEXTBOX->setText(credentials.auth.toString());
    markPreset(preset);
}

void QUORLIN_CONF_GENERATOR_TEST_RPC::NEW_SECURE_CREDENTIALS_BUTTON_Click()
{
    const NewCredentials credentials = makeSecureCredentials();
    RPC_USER_TEXTBOX->setText(credentials.user);
    RPC_PASSWORD_TEXTBOX->setText(credentials.password);
    RPC_AUTH_TEXTBOX->setText(credentials.auth);
    markPreset(std::nullopt);
}

void QUORLIN_CONF_GENERATOR_TEST_RPC::USE_CURRENT_CREDENTIALS_BUTTON_Click()
{
    m_confGenerator.RPC_USER_TEXTBOX->setText(RPC_USER_TEXTBOX->text());
    m_confGenerator.RPC_PASSWORD_TEXTBOX->setText(RPC_PASSWORD_TEXTBOX->text());
    m_confGenerator.RPC_AUTH_TEXTBOX->setText(RPC_AUTH_TEXTBOX->text());
    CANCEL_BUTTON->setText(QStringLiteral("Close"));
}

void QUORLIN_CONF_GENERATOR_TEST_RPC::CANCEL_BUTTON_Click()
{
    savePosition(*this, m_context.store, geometry::kRpcTestCredentials);
    unload();
}
