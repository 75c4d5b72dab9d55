#include "conf_store.h"

#include "core/overloaded.h"
#include "settings/node_settings.h"

#include <variant>

namespace {

struct StoredText {
    TextKey key;
    QString ConfFields::*field;
};
struct StoredTick {
    TickKey key;
    bool ConfFields::*field;
};

// After the coin's name, which the node settings store.
const std::variant<StoredText, StoredTick> kStoredFields[] = {
    StoredText { keys::kWalletFile, &ConfFields::walletFile },
    StoredTick { keys::kWallet, &ConfFields::wallet },
    StoredTick { keys::kDisableWallet, &ConfFields::disableWallet },
    StoredTick { keys::kServer, &ConfFields::server },
    StoredTick { keys::kAlerts, &ConfFields::alerts },
    StoredTick { keys::kListen, &ConfFields::listen },
    StoredTick { keys::kUpnp, &ConfFields::upnp },
    StoredTick { keys::kDns, &ConfFields::dns },
    StoredTick { keys::kOldWalletSupport, &ConfFields::oldWalletSupport },
    StoredTick { keys::kDaemon, &ConfFields::daemon },
    StoredTick { keys::kPeerLocalhost, &ConfFields::peerLocalhost },
    StoredTick { keys::kRpcLocalhost, &ConfFields::rpcLocalhost },
    StoredText { keys::kTimeout, &ConfFields::timeout },
    StoredText { keys::kRpcTimeout, &ConfFields::rpcTimeout },
    StoredText { keys::kMaxConnections, &ConfFields::maxConnections },
    StoredText { keys::kPeerPort, &ConfFields::peerPort },
    StoredText { keys::kRpcPort, &ConfFields::rpcPort },
    StoredText { keys::kUaComment, &ConfFields::uaComment },
    StoredText { keys::kRpcUser, &ConfFields::rpcUser },
    StoredText { keys::kRpcPassword, &ConfFields::rpcPassword },
    StoredText { keys::kRpcAuth, &ConfFields::rpcAuth },
    StoredText { keys::kFullNodeList, &ConfFields::fullNodeList },
    StoredText { keys::kUserDefinedSettings, &ConfFields::userDefinedSettings },
};

} // namespace

ConfFields loadConfFields(const SettingsStore& store)
{
    ConfFields fields;
    fields.cryptoName = store.read(NodeSettings::key(NodeText::CryptoName));
    for (const auto& stored : kStoredFields) {
        std::visit(Overloaded {
                       [&](const StoredText& text) { fields.*text.field = store.read(text.key); },
                       // A tick box shows ticked only for a stored 1.
                       [&](const StoredTick& tick) { fields.*tick.field = store.read(tick.key) == 1; },
                   },
            stored);
    }
    return fields;
}

void storeConfFields(SettingsStore& store, NodeSettings& node, const ConfFields& fields)
{
    node.setText(NodeText::CryptoName, fields.cryptoName);
    for (const auto& stored : kStoredFields) {
        std::visit(Overloaded {
                       [&](const StoredText& text) { store.write(text.key, fields.*text.field); },
                       [&](const StoredTick& tick) { store.write(tick.key, fields.*tick.field ? 1 : 0); },
                   },
            stored);
    }
}
