#include "client_call_line.h"

#include "platform/masked_command_line.h"

QString clientCallProblem(const CommandLine& stopLine)
{
    if (stopLine.isEmpty())
        return QStringLiteral("No command-line client configured: open CRYPTO SETTINGS");
    if (stopLine.quoteLeftOpen())
        return QStringLiteral(
            "The command-line client line cannot be split: a double quote is never closed.");
    if (const QStringList arguments = stopLine.arguments();
        arguments.isEmpty() || arguments.last() != QStringLiteral("stop"))
        return QStringLiteral(
            "The command-line client line does not end in \"stop\", so it is not a stop command: %1")
            .arg(maskPasswords(stopLine));
    return {};
}
