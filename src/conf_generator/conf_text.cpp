#include "conf_text.h"

#include <variant>

namespace {

using Text = QString ConfFields::*;
using Tick = bool ConfFields::*;

const QString kLineEnd = QStringLiteral("\r\n");
const QString kMessage = QStringLiteral(" - CONF FILE CREATED USING KALDERA - MIRANEL - CONF-GENERATOR -");
const QString kLocalhost = QStringLiteral("127.0.0.1");

// One setting line: its active label, its value (a typed field, a tick box
// state or the fixed localhost address) and the tick box that makes it
// active; without one, the line is active while its value is not empty.
struct LineRule {
    const char* label;
    std::variant<Text, Tick, const QString*> value;
    Tick activeWhen = nullptr;
};

const LineRule kSettingLines[] = {
    { "wallet=", &ConfFields::walletFile },
    { "disablewallet=", &ConfFields::disableWallet, &ConfFields::wallet },
    { "server=", &ConfFields::server, &ConfFields::server },
    { "alerts=", &ConfFields::alerts, &ConfFields::alerts },
    { "listen=", &ConfFields::listen, &ConfFields::listen },
    { "upnp=", &ConfFields::upnp, &ConfFields::upnp },
    { "dns=", &ConfFields::dns, &ConfFields::dns },
    { "daemon=", &ConfFields::daemon, &ConfFields::oldWalletSupport },
    { "allowip=", &kLocalhost, &ConfFields::peerLocalhost },
    { "rpcallowip=", &kLocalhost, &ConfFields::rpcLocalhost },
    { "timeout=", &ConfFields::timeout },
    { "rpctimeout=", &ConfFields::rpcTimeout },
    { "maxconnections=", &ConfFields::maxConnections },
    { "port=", &ConfFields::peerPort },
    { "rpcport=", &ConfFields::rpcPort },
    { "uacomment=", &ConfFields::uaComment },
};

const LineRule kCredentialLines[] = {
    { "rpcuser=", &ConfFields::rpcUser },
    { "rpcpassword=", &ConfFields::rpcPassword },
    { "rpcauth=", &ConfFields::rpcAuth },
};

template <std::size_t N> QString renderLines(const ConfFields& fields, const LineRule (&rules)[N])
{
    QString text;
    for (const LineRule& rule : rules) {
        const QString value = std::visit(
            [&](const auto& source) -> QString {
                using Source = std::decay_t<decltype(source)>;
                if constexpr (std::is_same_v<Source, Text>)
                    return fields.*source;
                else if constexpr (std::is_same_v<Source, Tick>)
                    return fields.*source ? QStringLiteral("1") : QStringLiteral("0");
                else
                    return *source;
            },
            rule.value);
        const bool active = rule.activeWhen ? fields.*rule.activeWhen : !value.isEmpty();
        text += (active ? QString() : QStringLiteral("#")) + QLatin1StringView(rule.label) + value + kLineEnd;
    }
    return text;
}

} // namespace

QString renderConfText(const ConfFields& fields)
{
    return QStringLiteral("# - ") + fields.cryptoName + kMessage + kLineEnd
        + renderLines(fields, kSettingLines) + kLineEnd + renderLines(fields, kCredentialLines) + kLineEnd
        + fields.userDefinedSettings + kLineEnd + kLineEnd + fields.fullNodeList;
}
