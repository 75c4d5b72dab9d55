#include "command_line_builder.h"

namespace {

const QString kQuote = QStringLiteral("\"");
const QString kBlank = QStringLiteral(" ");
const QString kConfOption = QStringLiteral("-conf=");
const QString kDataDirOption = QStringLiteral("-datadir=");
const QString kStopCommand = QStringLiteral("stop");

QString quotedProgram(const QString& folder, QChar separator, const QString& file)
{
    return kQuote + folder + separator + file + kQuote;
}

QString quotedOption(const QString& option, const QString& value)
{
    return option + kQuote + value + kQuote;
}

// The wallet and daemon start commands differ only in their program and switch.
QString buildStartCommand(const CommandLineFields& fields, QChar separator, const QString& folder,
    const QString& file, const QString& walletSwitch)
{
    return quotedProgram(folder, separator, file) + kBlank
        + quotedOption(kConfOption, fields.confFileLocation) + kBlank
        + quotedOption(kDataDirOption, fields.blockchainHome) + kBlank + walletSwitch;
}

QString buildStopCommand(const CommandLineFields& fields, QChar separator)
{
    return quotedProgram(fields.daemonCliLocation, separator, fields.cliName) + kBlank
        + quotedOption(kConfOption, fields.confFileLocation) + kBlank + fields.cliDaemonSwitch + kBlank
        + kStopCommand;
}

} // namespace

CommandLines buildCommandLines(const CommandLineFields& fields, QChar separator)
{
    return {
        buildStartCommand(fields, separator, fields.qtLocation, fields.qtName, fields.qtWalletSwitch),
        buildStartCommand(
            fields, separator, fields.daemonCliLocation, fields.daemonName, fields.daemonWalletSwitch),
        buildStopCommand(fields, separator),
    };
}
