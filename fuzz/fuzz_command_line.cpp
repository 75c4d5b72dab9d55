// The command-line splitter takes any text the user typed into a command-line field. It must never crash, and
// where it accepts a line it splits it exactly as QProcess::splitCommand does, whose rules it follows.
// Replacing the last argument by any text (the input itself here) changes that argument only.
#include "platform/command_line.h"

#include <QProcess>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const CommandLine line(text);
    if (line.quoteLeftOpen())
        return 0;
    QStringList words;
    for (const CommandLine::Word& word : line.words())
        words += word.text;
    if (words != QProcess::splitCommand(text) || words.contains(QString()))
        std::abort();
    if (line.arguments().isEmpty() || text.isEmpty())
        return 0;
    const CommandLine replaced(line.withLastArgument(text).text());
    QStringList expected = line.arguments();
    expected.last() = text;
    if (replaced.quoteLeftOpen() || replaced.program() != line.program() || replaced.arguments() != expected)
        std::abort();
    return 0;
}
