#include "coin_presets.h"

#include "QUORLIN_CONF_GENERATOR_MAIN.h"
#include "core/overloaded.h"

namespace {

using Conf = Ui::QUORLIN_CONF_GENERATOR_MAIN;
using Ids = Ui::QUORLIN_CONF_GENERATOR_IDS;

// Namecoin's wallet needs the daemon switch in its ".conf" file.
const ConfWrite kOldWalletWrites[] = {
    SetTick { &Conf::OLD_WALLET_SUPPORT_TICKBOX, true },
    SetTick { &Conf::DAEMON_TICKBOX, true },
    SetEnabled { &Conf::DAEMON_TICKBOX, true },
};

} // namespace

const std::array<ConfWrite, 16> kBasicSettings { {
    SetText { &Conf::WALLET_FILE_TEXTBOX, QStringLiteral("wallet.dat") },
    SetTick { &Conf::WALLET_TICKBOX, true },
    SetTick { &Conf::SERVER_TICKBOX, true },
    SetTick { &Conf::ALERTS_TICKBOX, true },
    SetTick { &Conf::LISTEN_TICKBOX, true },
    SetTick { &Conf::UPNP_TICKBOX, false },
    SetTick { &Conf::DNS_TICKBOX, true },
    SetTick { &Conf::OLD_WALLET_SUPPORT_TICKBOX, false },
    SetTick { &Conf::DAEMON_TICKBOX, false },
    SetEnabled { &Conf::DAEMON_TICKBOX, false },
    SetTick { &Conf::PEER_LOCALHOST_TICKBOX, true },
    SetTick { &Conf::RPC_LOCALHOST_TICKBOX, true },
    SetText { &Conf::TIMEOUT_TEXTBOX, QStringLiteral("3000") },
    SetText { &Conf::RPC_TIMEOUT_TEXTBOX, QStringLiteral("3000") },
    SetText { &Conf::MAX_CONNECTIONS_TEXTBOX, QStringLiteral("20") },
    SetText { &Conf::UACOMMENT_TEXTBOX, QString() },
} };

const std::array<CoinPreset, 6> kCoinPresets { {
    { &Ids::BTC_IMPORT_BUTTON, QStringLiteral("BTC - Bitcoin"), QStringLiteral("8333"),
        QStringLiteral("8332"), {}, false },
    { &Ids::NMC_IMPORT_BUTTON, QStringLiteral("NMC - Namecoin"), QStringLiteral("8334"),
        QStringLiteral("8336"), kOldWalletWrites, false },
    { &Ids::LTC_IMPORT_BUTTON, QStringLiteral("LTC - Litecoin"), QStringLiteral("9333"),
        QStringLiteral("9332"), {}, false },
    { &Ids::VTC_IMPORT_BUTTON, QStringLiteral("VTC - Vertcoin"), QStringLiteral("5889"),
        QStringLiteral("5888"), {}, true },
    { &Ids::DASH_IMPORT_BUTTON, QStringLiteral("DASH - Dash"), QStringLiteral("9999"), QStringLiteral("9998"),
        {}, false },
    // BTG shares BTC's RPC port; the presets window warns about it.
    { &Ids::BTG_IMPORT_BUTTON, QStringLiteral("BTG - BitcoinGold"), QStringLiteral("8338"),
        QStringLiteral("8332"), {}, false },
} };

void applyConfWrites(QUORLIN_CONF_GENERATOR_MAIN& window, std::span<const ConfWrite> writes)
{
    for (const ConfWrite& write : writes) {
        std::visit(Overloaded {
                       [&](const SetText& set) { (window.*set.box)->setText(set.text); },
                       [&](const SetTick& set) { (window.*set.box)->setChecked(set.ticked); },
                       [&](const SetEnabled& set) { (window.*set.box)->setEnabled(set.enabled); },
                   },
            write);
    }
}
