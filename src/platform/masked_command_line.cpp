#include "masked_command_line.h"

#include "command_line.h"

#include <utility>

namespace {

const QString kMask = QStringLiteral("***");

bool isSecretOption(const CommandLine::Word& argument)
{
    const QString name = argument.text.left(argument.text.indexOf(u'='));
    return name.startsWith(u'-') && name.contains(QStringLiteral("pass"), Qt::CaseInsensitive);
}

} // namespace

QString maskPasswords(const CommandLine& commandLine)
{
    const QStringView line(commandLine.text());
    QString masked;
    qsizetype copied = 0;
    bool valueFollows = false;
    for (const CommandLine::Word& argument : commandLine.words()) {
        masked += line.sliced(copied, argument.begin - copied);
        copied = argument.end;
        const bool secret = isSecretOption(argument);
        if (std::exchange(valueFollows, secret && argument.valueBegin < 0)) {
            masked += kMask;
        } else if (secret && argument.valueBegin >= 0) {
            // The option up to its '=' as typed; a quote still open there is closed after the mask.
            masked += line.sliced(argument.begin, argument.valueBegin - argument.begin);
            masked += argument.valueQuoted ? kMask + u'"' : kMask;
        } else {
            masked += line.sliced(argument.begin, argument.end - argument.begin);
        }
    }
    masked += line.sliced(copied);
    return masked;
}
