#pragma once

#include <QString>

// A stored text and the stored state of a tick box: the key, and for a tick
// box the state read while the store has none (a text reads as empty).
struct TextKey {
    QLatin1StringView name;
};
struct TickKey {
    QLatin1StringView name;
    int defaultState;
};

// Stored texts and tick boxes of the program. Each key is the name of the
// control it belongs to; windows use these, never a control's object name.
// Window positions have their own table beside the placement helpers, the
// conf generator's fields theirs beside the fields (conf_fields.cpp).
namespace keys {
using namespace Qt::StringLiterals;

// Node settings: shared by the main window, the crypto settings and the conf generator.
inline constexpr TextKey kCryptoName { "CRYPTO_NAME_TEXTBOX"_L1 };
inline constexpr TextKey kQtName { "QT_NAME_TEXTBOX"_L1 };
inline constexpr TextKey kCliName { "CLI_NAME_TEXTBOX"_L1 };
inline constexpr TextKey kDaemonName { "DAEMON_NAME_TEXTBOX"_L1 };
inline constexpr TextKey kQtCommand { "KD_QT_COMMAND_TEXTBOX"_L1 };
inline constexpr TextKey kDaemonCommand { "KD_D_COMMAND_TEXTBOX"_L1 };
inline constexpr TextKey kStopCommand { "KDCLI_STOP_COMMAND_TEXTBOX"_L1 };
inline constexpr TickKey kAlwaysOnTop { "AlwaysOnTop_TICKBOX"_L1, 1 };

// Main settings.
inline constexpr TickKey kUseOwnConf { "USE_OWN_CONF_TICKBOX"_L1, 0 };
inline constexpr TextKey kConfFileLocation { "CONF_FILE_LOCATION_TEXTBOX"_L1 };

// Crypto settings.
inline constexpr TextKey kBlockchainHome { "BLOCKCHAIN_HOME_TEXTBOX"_L1 };
inline constexpr TextKey kQtLocation { "QT_LOCATION_TEXTBOX"_L1 };
inline constexpr TextKey kDaemonCliLocation { "DAEMON_CLI_LOCATION_TEXTBOX"_L1 };
inline constexpr TickKey kQtWallet { "QT_WALLET_TICKBOX"_L1, 0 };
inline constexpr TickKey kQtDisableWallet { "QT_DISABLE_WALLET_TICKBOX"_L1, 0 };
inline constexpr TickKey kDaemonWallet { "DAEMON_WALLET_TICKBOX"_L1, 0 };
inline constexpr TickKey kDaemonDisableWallet { "DAEMON_DISABLE_WALLET_TICKBOX"_L1, 0 };
inline constexpr TickKey kCliDaemon { "CLI_DAEMON_TICKBOX"_L1, 0 };
inline constexpr TickKey kDisableDaemon { "DISABLE_DAEMON_TICKBOX"_L1, 0 };

} // namespace keys
