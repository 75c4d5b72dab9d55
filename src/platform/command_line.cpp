#include "command_line.h"

#include <utility>

std::optional<QStringList> splitCommandLine(const QString& commandLine)
{
    QStringList args;
    QString current;
    int quoteCount = 0;
    bool inQuote = false;

    for (const QChar c : commandLine) {
        if (c == u'"') {
            if (++quoteCount == 3) {
                quoteCount = 0;
                current += c;
            }
            continue;
        }
        if (quoteCount == 1)
            inQuote = !inQuote;
        quoteCount = 0;
        if (!inQuote && c.isSpace()) {
            if (!current.isEmpty())
                args += std::exchange(current, QString());
        } else {
            current += c;
        }
    }
    if (quoteCount == 1)
        inQuote = !inQuote;
    if (inQuote)
        return std::nullopt;
    if (!current.isEmpty())
        args += current;
    return args;
}
