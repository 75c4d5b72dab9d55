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

// Every stored text and tick box of the program. Each key is the name of the
// control it belongs to; windows use these, never a control's object name.
// Window positions have their own table beside the placement helpers.
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

// Conf generator.
inline constexpr TextKey kWalletFile { "WALLET_FILE_TEXTBOX"_L1 };
inline constexpr TickKey kWallet { "WALLET_TICKBOX"_L1, 0 };
inline constexpr TickKey kDisableWallet { "DISABLE_WALLET_TICKBOX"_L1, 0 };
inline constexpr TickKey kServer { "SERVER_TICKBOX"_L1, 0 };
inline constexpr TickKey kAlerts { "ALERTS_TICKBOX"_L1, 0 };
inline constexpr TickKey kListen { "LISTEN_TICKBOX"_L1, 0 };
inline constexpr TickKey kUpnp { "UPNP_TICKBOX"_L1, 0 };
inline constexpr TickKey kDns { "DNS_TICKBOX"_L1, 0 };
inline constexpr TickKey kOldWalletSupport { "OLD_WALLET_SUPPORT_TICKBOX"_L1, 0 };
inline constexpr TickKey kDaemon { "DAEMON_TICKBOX"_L1, 0 };
inline constexpr TickKey kPeerLocalhost { "PEER_LOCALHOST_TICKBOX"_L1, 0 };
inline constexpr TickKey kRpcLocalhost { "RPC_LOCALHOST_TICKBOX"_L1, 0 };
inline constexpr TextKey kTimeout { "TIMEOUT_TEXTBOX"_L1 };
inline constexpr TextKey kRpcTimeout { "RPC_TIMEOUT_TEXTBOX"_L1 };
inline constexpr TextKey kMaxConnections { "MAX_CONNECTIONS_TEXTBOX"_L1 };
inline constexpr TextKey kPeerPort { "PEER_PORT_TEXTBOX"_L1 };
inline constexpr TextKey kRpcPort { "RPC_PORT_TEXTBOX"_L1 };
inline constexpr TextKey kUaComment { "UACOMMENT_TEXTBOX"_L1 };
inline constexpr TextKey kRpcUser { "RPC_USER_TEXTBOX"_L1 };
inline constexpr TextKey kRpcPassword { "RPC_PASSWORD_TEXTBOX"_L1 };
inline constexpr TextKey kRpcAuth { "RPC_AUTH_TEXTBOX"_L1 };
inline constexpr TextKey kFullNodeList { "FULL_NODE_LIST_TEXTBOX"_L1 };
inline constexpr TextKey kUserDefinedSettings { "USER_DEFINED_SETTINGS_TEXTBOX"_L1 };

// Conf check: digests of the notes already shown (program, version and
// findings), so that each note comes once. The one key named after no control.
inline constexpr TextKey kConfCheckNoted { "CONF_CHECK_NOTED"_L1 };

} // namespace keys
