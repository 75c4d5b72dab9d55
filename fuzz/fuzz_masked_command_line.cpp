// The masked command line is what messages and launch logs show of a line the user typed. Where the splitter
// accepts a line, the masked text splits into the same arguments, except that the value of every option whose
// name holds "pass" is "***": after its first "=", or the whole next argument when the option has no "=". So
// no secret value the node would receive is shown.
#include "platform/command_line.h"
#include "platform/masked_command_line.h"

#include <cstdint>
#include <cstdlib>

namespace {

bool isSecretName(const QString& name)
{
    return name.startsWith(u'-') && name.contains(QStringLiteral("pass"), Qt::CaseInsensitive);
}

// The argument with its secret value masked, as it must split from the masked text.
QString expectedArgument(const QStringList& args, qsizetype i)
{
    if (i > 0 && !args[i - 1].contains(u'=') && isSecretName(args[i - 1]))
        return QStringLiteral("***");
    const qsizetype equals = args[i].indexOf(u'=');
    if (equals >= 0 && isSecretName(args[i].left(equals)))
        return args[i].left(equals + 1) + QStringLiteral("***");
    return args[i];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const CommandLine line(text);
    const CommandLine masked(maskPasswords(line));
    if (line.quoteLeftOpen())
        return 0;
    QStringList words;
    for (const CommandLine::Word& word : line.words())
        words += word.text;
    QStringList expected;
    for (qsizetype i = 0; i < words.size(); ++i)
        expected += expectedArgument(words, i);
    QStringList maskedWords;
    for (const CommandLine::Word& word : masked.words())
        maskedWords += word.text;
    if (masked.quoteLeftOpen() || maskedWords != expected)
        std::abort();
    return 0;
}
