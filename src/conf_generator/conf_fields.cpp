#include "conf_fields.h"

namespace {

using namespace Qt::StringLiterals;
using F = ConfFields;
constexpr ConfLine kSetting = ConfLine::Setting;
constexpr ConfLine kCredential = ConfLine::Credential;
constexpr const char* kLocalhost = "127.0.0.1";

const ConfFieldRow kRows[] = {
    { "WALLET_FILE_TEXTBOX"_L1, &F::walletFile, kSetting, "wallet=" },
    { "WALLET_TICKBOX"_L1, &F::wallet },
    { "DISABLE_WALLET_TICKBOX"_L1, &F::disableWallet, kSetting, "disablewallet=", &F::wallet },
    { "SERVER_TICKBOX"_L1, &F::server, kSetting, "server=" },
    { "ALERTS_TICKBOX"_L1, &F::alerts, kSetting, "alerts=" },
    { "LISTEN_TICKBOX"_L1, &F::listen, kSetting, "listen=" },
    { "UPNP_TICKBOX"_L1, &F::upnp, kSetting, "upnp=" },
    { "DNS_TICKBOX"_L1, &F::dns, kSetting, "dns=" },
    { "OLD_WALLET_SUPPORT_TICKBOX"_L1, &F::oldWalletSupport },
    { "DAEMON_TICKBOX"_L1, &F::daemon, kSetting, "daemon=", &F::oldWalletSupport },
    { "PEER_LOCALHOST_TICKBOX"_L1, &F::peerLocalhost, kSetting, "allowip=", nullptr, kLocalhost },
    { "RPC_LOCALHOST_TICKBOX"_L1, &F::rpcLocalhost, kSetting, "rpcallowip=", nullptr, kLocalhost },
    { "TIMEOUT_TEXTBOX"_L1, &F::timeout, kSetting, "timeout=" },
    { "RPC_TIMEOUT_TEXTBOX"_L1, &F::rpcTimeout, kSetting, "rpctimeout=" },
    { "MAX_CONNECTIONS_TEXTBOX"_L1, &F::maxConnections, kSetting, "maxconnections=" },
    { "PEER_PORT_TEXTBOX"_L1, &F::peerPort, kSetting, "port=" },
    { "RPC_PORT_TEXTBOX"_L1, &F::rpcPort, kSetting, "rpcport=" },
    { "UACOMMENT_TEXTBOX"_L1, &F::uaComment, kSetting, "uacomment=" },
    { "RPC_USER_TEXTBOX"_L1, &F::rpcUser, kCredential, "rpcuser=" },
    { "RPC_PASSWORD_TEXTBOX"_L1, &F::rpcPassword, kCredential, "rpcpassword=" },
    { "RPC_AUTH_TEXTBOX"_L1, &F::rpcAuth, kCredential, "rpcauth=" },
    { "FULL_NODE_LIST_TEXTBOX"_L1, &F::fullNodeList },
    { "USER_DEFINED_SETTINGS_TEXTBOX"_L1, &F::userDefinedSettings },
};

} // namespace

const std::span<const ConfFieldRow> kConfFieldRows { kRows };
