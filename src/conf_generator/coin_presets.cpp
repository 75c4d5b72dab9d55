#include "coin_presets.h"

const std::array<CoinPreset, 6> kCoinPresets { {
    { QStringLiteral("BTC - Bitcoin"), QStringLiteral("8333"), QStringLiteral("8332"), false, false },
    { QStringLiteral("NMC - Namecoin"), QStringLiteral("8334"), QStringLiteral("8336"), true, false },
    { QStringLiteral("LTC - Litecoin"), QStringLiteral("9333"), QStringLiteral("9332"), false, false },
    { QStringLiteral("VTC - Vertcoin"), QStringLiteral("5889"), QStringLiteral("5888"), false, true },
    { QStringLiteral("DASH - Dash"), QStringLiteral("9999"), QStringLiteral("9998"), false, false },
    // BTG shares BTC's RPC port; the presets window warns about it.
    { QStringLiteral("BTG - BitcoinGold"), QStringLiteral("8338"), QStringLiteral("8332"), false, false },
} };

void applyBasicSettings(ConfFields& fields)
{
    fields.walletFile = QStringLiteral("wallet.dat");
    fields.wallet = fields.server = fields.alerts = fields.listen = fields.dns = true;
    fields.upnp = fields.oldWalletSupport = fields.daemon = false;
    fields.peerLocalhost = fields.rpcLocalhost = true;
    fields.timeout = fields.rpcTimeout = QStringLiteral("3000");
    fields.maxConnections = QStringLiteral("20");
    fields.uaComment.clear();
}

void applyCoinPreset(ConfFields& fields, const CoinPreset& coin, const QString& vtcNodeList)
{
    fields.cryptoName = coin.cryptoName;
    if (coin.daemonSwitch)
        fields.oldWalletSupport = fields.daemon = true;
    fields.peerPort = coin.peerPort;
    fields.rpcPort = coin.rpcPort;
    fields.fullNodeList = coin.copiesVtcNodeList ? vtcNodeList : QString();
}
