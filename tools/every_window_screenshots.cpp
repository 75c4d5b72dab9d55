// Saves a picture of every window, in the states the README shows, into the
// folder given as the only argument. Run it under Xvfb:
//   QT_QPA_PLATFORM=xcb xvfb-run -a build/tests/tools/every_window_screenshots docs/screenshots
#include "conf_generator/QUORLIN_CONF_GENERATOR_IDS.h"
#include "conf_generator/QUORLIN_CONF_GENERATOR_MAIN.h"
#include "conf_generator/QUORLIN_CONF_GENERATOR_TEST_RPC.h"
#include "core/look.h"
#include "crypto_settings/QUORLIN_CRYPTO_SETTINGS.h"
#include "crypto_settings/QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW.h"
#include "fakes/fake_platform.h"
#include "info/QUORLIN_ABOUT.h"
#include "info/TOVEK88_KALDERA_DONATIONS_WINDOW.h"
#include "main_settings/QUORLIN_MAIN_SETTINGS.h"
#include "node_control/QUORLIN_MAIN.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QTest>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

const std::pair<QString, QString> kLitecoinSetup[] = {
    { u"CRYPTO_NAME_TEXTBOX"_s, u"LTC - Litecoin"_s },
    { u"BLOCKCHAIN_HOME_TEXTBOX"_s, u"/home/user/.litecoin"_s },
    { u"QT_LOCATION_TEXTBOX"_s, u"/usr/bin"_s },
    { u"QT_NAME_TEXTBOX"_s, u"litecoin-qt"_s },
    { u"DAEMON_CLI_LOCATION_TEXTBOX"_s, u"/usr/bin"_s },
    { u"CLI_NAME_TEXTBOX"_s, u"litecoin-cli"_s },
    { u"DAEMON_NAME_TEXTBOX"_s, u"litecoind"_s },
    { u"QT_WALLET_TICKBOX"_s, u"1"_s },
    { u"CLI_DAEMON_TICKBOX"_s, u"1"_s },
    { u"DAEMON_WALLET_TICKBOX"_s, u"1"_s },
    { u"DAEMON_DISABLE_WALLET_TICKBOX"_s, u"1"_s },
    { u"KD_QT_COMMAND_TEXTBOX"_s,
        u"\"/usr/bin/litecoin-qt\" -conf=\"/opt/nodes/KD-QUORLIN-CRYPTO-CONFIG.conf\" "
        u"-datadir=\"/home/user/.litecoin\" -disablewallet=0"_s },
    { u"KD_D_COMMAND_TEXTBOX"_s,
        u"\"/usr/bin/litecoind\" -conf=\"/opt/nodes/KD-QUORLIN-CRYPTO-CONFIG.conf\" "
        u"-datadir=\"/home/user/.litecoin\" -disablewallet=1"_s },
    { u"KDCLI_STOP_COMMAND_TEXTBOX"_s,
        u"\"/usr/bin/litecoin-cli\" -conf=\"/opt/nodes/KD-QUORLIN-CRYPTO-CONFIG.conf\" "
        u"-datadir=\"/home/user/.litecoin\" -daemon=1 stop"_s },
};

void click(QWidget& window, const char* button)
{
    window.findChild<QAbstractButton*>(QString::fromLatin1(button))->click();
}

bool save(QWidget& window, const QDir& folder, const char* file, int settleMs = 300)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    QTest::qWait(settleMs);
    const QString path = folder.filePath(QString::fromLatin1(file));
    std::printf("%s\n", qPrintable(path));
    return window.grab().save(path);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    applyLook();
    const QDir folder(QString::fromLocal8Bit(argv[1]));

    TestContext t;
    for (const auto& [key, value] : kLitecoinSetup)
        t.fakes.store(key, value);
    t.fakes.processes.setRunning(u"litecoind"_s, 1);

    QUORLIN_MAIN main(t.context);
    QUORLIN_MAIN_SETTINGS mainSettings(t.context, &main);
    QUORLIN_CRYPTO_SETTINGS crypto(t.context, QString(), &mainSettings);
    QUORLIN_SINGLE_OUTPUT_COMMANDS_WINDOW commands(t.context, &mainSettings);
    click(commands, "QT_COMMAND_BUTTON");
    QUORLIN_CONF_GENERATOR_MAIN confGenerator(t.context, &mainSettings);
    QUORLIN_CONF_GENERATOR_IDS presets(t.context, confGenerator.model(), &confGenerator);
    bool saved = save(main, folder, "main.png") && save(mainSettings, folder, "main_settings.png")
        && save(crypto, folder, "crypto_settings.png") && save(commands, folder, "output_commands.png");

    presets.findChild<QAbstractButton*>(u"IMPORT_SETTINGS_TICKBOX"_s)->setChecked(true);
    saved = saved && save(presets, folder, "coin_presets.png");
    click(presets, "BASIC_SETTINGS_BUTTON");
    click(presets, "BTC_IMPORT_BUTTON");
    presets.hide();
    saved = saved && save(confGenerator, folder, "conf_generator.png", 1300);

    QUORLIN_CONF_GENERATOR_TEST_RPC credentials(t.context, confGenerator.model(), &confGenerator);
    click(credentials, "TEST_CFG_9_BUTTON");
    QUORLIN_ABOUT about(t.context, &mainSettings);
    TOVEK88_KALDERA_DONATIONS_WINDOW donations(t.context, &about);
    saved = saved && save(credentials, folder, "rpc_test_credentials.png")
        && save(about, folder, "about.png", 250) && save(donations, folder, "donations.png");
    return saved ? 0 : 1;
}
