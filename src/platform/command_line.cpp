#include "command_line.h"

ScannedCommandLine scanCommandLine(const QString& commandLine)
{
    ScannedCommandLine scanned;
    const ScannedArgument notBegun { {}, -1 };
    ScannedArgument current = notBegun;
    int quoteCount = 0;
    bool inQuote = false;

    // Blanks and empty quotes make no argument.
    const auto endArgument = [&](qsizetype end) {
        if (!current.text.isEmpty()) {
            current.end = end;
            scanned.arguments += current;
        }
        current = notBegun;
    };
    for (qsizetype i = 0; i < commandLine.size(); ++i) {
        const QChar c = commandLine[i];
        if (current.begin < 0 && !c.isSpace())
            current.begin = i;
        if (c == u'"') {
            if (++quoteCount == 3) {
                quoteCount = 0;
                current.text += c;
            }
            continue;
        }
        if (quoteCount == 1)
            inQuote = !inQuote;
        quoteCount = 0;
        if (!inQuote && c.isSpace()) {
            endArgument(i);
        } else {
            if (c == u'=' && current.valueBegin < 0) {
                current.valueBegin = i + 1;
                current.valueQuoted = inQuote;
            }
            current.text += c;
        }
    }
    if (quoteCount == 1)
        inQuote = !inQuote;
    scanned.quoteLeftOpen = inQuote;
    endArgument(commandLine.size());
    return scanned;
}

std::optional<QStringList> splitCommandLine(const QString& commandLine)
{
    const ScannedCommandLine scanned = scanCommandLine(commandLine);
    if (scanned.quoteLeftOpen)
        return std::nullopt;
    QStringList args;
    for (const ScannedArgument& argument : scanned.arguments)
        args += argument.text;
    return args;
}
