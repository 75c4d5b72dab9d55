#include "client_call_line.h"

#include "platform/command_line.h"
#include "platform/masked_command_line.h"

ClientCallLine clientCallLine(const QString& stopLine, const QString& call)
{
    static const QString stop = QStringLiteral("stop");
    const QString line = stopLine.trimmed();
    if (line.isEmpty())
        return { {}, QStringLiteral("No command-line client configured: open CRYPTO SETTINGS") };
    if (!splitCommandLine(line))
        return { {},
            QStringLiteral("The command-line client line cannot be split: a double quote is never "
                           "closed.") };
    // "stop" must be a word of its own after the program, outside quotes.
    const QString before = line.chopped(std::min(line.size(), stop.size()));
    if (!line.endsWith(stop) || before.trimmed().isEmpty() || !before.back().isSpace()
        || before.count(u'"') % 2 != 0)
        return { {},
            QStringLiteral("The command-line client line does not end in \"stop\", so it is not a "
                           "stop command: %1")
                .arg(maskPasswords(stopLine)) };
    return { before + call, {} };
}
