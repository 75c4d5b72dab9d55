#pragma once

#include "conf_text.h"

#include <QString>

#include <array>

// Sets the settings that are the same for every coin: the wallet file and
// box, server, alerts, listen, DNS and the two localhost boxes on, UPnP, old
// wallet support and daemon off, the timeouts, the connection limit, and no
// user agent comment. Everything else is left as it is.
void applyBasicSettings(ConfFields& fields);

// A coin's name and ports. Namecoin's wallet needs the daemon switch; the
// Vertcoin preset copies the program's Vertcoin node list, every other coin
// empties the node list.
struct CoinPreset {
    QString cryptoName;
    QString peerPort;
    QString rpcPort;
    bool daemonSwitch;
    bool copiesVtcNodeList;
};

// The six coins, in the order of their buttons: BTC, NMC, LTC, VTC, DASH, BTG.
extern const std::array<CoinPreset, 6> kCoinPresets;

void applyCoinPreset(ConfFields& fields, const CoinPreset& coin, const QString& vtcNodeList);
