#include "command_line.h"

namespace {

bool needsQuotes(const QString& argument)
{
    return argument.isEmpty() || argument.contains(u'"')
        || std::any_of(argument.begin(), argument.end(), [](QChar c) { return c.isSpace(); });
}

// Inside quotes, three double quotes stand for one.
QString quotedForSplit(const QString& argument)
{
    if (!needsQuotes(argument))
        return argument;
    QString quoted = argument;
    return u'"' + quoted.replace(u'"', QStringLiteral("\"\"\"")) + u'"';
}

// Backslashes are literal unless a double quote follows them: then each
// stands doubled, and a literal quote gets one more.
QString quotedForWindows(const QString& argument)
{
    if (!needsQuotes(argument))
        return argument;
    QString quoted = QStringLiteral("\"");
    qsizetype backslashes = 0;
    for (const QChar c : argument) {
        if (c == u'\\') {
            ++backslashes;
        } else {
            if (c == u'"')
                quoted += QString(backslashes + 1, u'\\');
            backslashes = 0;
        }
        quoted += c;
    }
    return quoted + QString(backslashes, u'\\') + u'"';
}

} // namespace

CommandLine::CommandLine(const QString& text)
    : m_text(text)
{
    const Word notBegun { {}, -1 };
    Word current = notBegun;
    int quoteCount = 0;
    bool inQuote = false;

    // Blanks and empty quotes make no word.
    const auto endWord = [&](qsizetype end) {
        if (!current.text.isEmpty()) {
            current.end = end;
            m_words += current;
        }
        current = notBegun;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
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
            endWord(i);
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
    m_quoteLeftOpen = inQuote;
    endWord(text.size());
}

QString CommandLine::program() const
{
    return m_words.isEmpty() ? QString() : m_words.first().text;
}

QStringList CommandLine::arguments() const
{
    QStringList arguments;
    for (qsizetype i = 1; i < m_words.size(); ++i)
        arguments += m_words[i].text;
    return arguments;
}

CommandLine CommandLine::withLastArgument(const QString& argument) const
{
    if (m_words.size() < 2)
        return CommandLine(m_text + u' ' + quotedForSplit(argument));
    const Word& last = m_words.last();
    return CommandLine(m_text.left(last.begin) + quotedForSplit(argument) + m_text.sliced(last.end));
}

QString windowsCommandLine(const CommandLine& line)
{
    if (line.isEmpty())
        return {};
    QStringList words { u'"' + line.program() + u'"' };
    for (const QString& argument : line.arguments())
        words += quotedForWindows(argument);
    return words.join(u' ');
}
