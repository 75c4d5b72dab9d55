// The ".conf" text is rendered from fields the user types. Whatever they hold (line ends, '#', '=', NUL), the
// text starts with the header line, the credential values and both blocks are copied exactly, the node list
// block ends the text, and the same fields always give the same text.
#include "conf_generator/conf_text.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

namespace {

QString field(FuzzedDataProvider& input)
{
    const std::string bytes = input.ConsumeRandomLengthString(256);
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    ConfFields fields;
    for (QString* text : { &fields.cryptoName, &fields.walletFile, &fields.timeout, &fields.rpcTimeout,
             &fields.maxConnections, &fields.peerPort, &fields.rpcPort, &fields.uaComment, &fields.rpcUser,
             &fields.rpcPassword, &fields.rpcAuth, &fields.userDefinedSettings, &fields.fullNodeList })
        *text = field(input);
    for (bool* tick : { &fields.wallet, &fields.disableWallet, &fields.server, &fields.alerts, &fields.listen,
             &fields.upnp, &fields.dns, &fields.oldWalletSupport, &fields.daemon, &fields.peerLocalhost,
             &fields.rpcLocalhost })
        *tick = input.ConsumeBool();

    const QString text = renderConfText(fields);
    check(text == renderConfText(fields));
    check(text.startsWith(QStringLiteral("# - ") + fields.cryptoName + QStringLiteral(" - ")));
    check(text.endsWith(QStringLiteral("\r\n") + fields.userDefinedSettings + QStringLiteral("\r\n\r\n")
        + fields.fullNodeList));
    const QString userLine
        = (fields.rpcUser.isEmpty() ? QStringLiteral("\r\n#rpcuser=") : QStringLiteral("\r\nrpcuser="))
        + fields.rpcUser + QStringLiteral("\r\n");
    check(text.contains(userLine));
    return 0;
}
