#include "node_options.h"

#include "platform/command_line.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

NodeOptions notChecked(const QString& reason)
{
    return { std::nullopt, QStringLiteral("Unknown keys were not checked: %1.").arg(reason) };
}

NodeOptions notAsked(const QString& path, const QString& reason)
{
    return notChecked(QStringLiteral("%1 could not be asked for its options: %2").arg(path, reason));
}

} // namespace

QSet<QString> parseHelpOptions(const QString& help)
{
    static const QRegularExpression option(
        QStringLiteral("^  -([A-Za-z0-9][A-Za-z0-9._-]*)"), QRegularExpression::MultilineOption);
    QSet<QString> options;
    for (const QRegularExpressionMatch& match : option.globalMatch(help))
        options.insert(match.captured(1));
    return options;
}

void readNodeOptions(const CommandLine& line, ProgramHelpReader& help, QObject* receiver,
    std::function<void(const NodeOptions&)> done)
{
    if (line.quoteLeftOpen())
        return done(
            notChecked(QStringLiteral("the daemon command line has a double quote that is never closed")));
    if (line.isEmpty())
        return done(notChecked(QStringLiteral("no daemon command line is set")));
    const QString name = line.program();
    const QString path
        = name.contains(u'/') || QFileInfo(name).isAbsolute() ? name : QStandardPaths::findExecutable(name);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return done(notChecked(QStringLiteral("the daemon \"%1\" was not found").arg(name)));

    help.read(path, { QStringLiteral("-help") }, receiver,
        [&help, path, receiver, done](const ProgramOutput& main) {
            if (!main.finished)
                return done(notAsked(path, main.error));
            const QSet<QString> options = parseHelpOptions(main.output);
            if (options.isEmpty())
                return done(notChecked(QStringLiteral("%1 -help lists no options").arg(path)));
            const QString version = main.output.trimmed().section(u'\n', 0, 0).trimmed();
            const NodeOptions checked { options,
                QStringLiteral("Checked against %1 (%2).").arg(path, version) };
            if (!options.contains(QStringLiteral("help-debug")))
                return done(checked);
            help.read(path, { QStringLiteral("-help-debug") }, receiver,
                [path, checked, done](const ProgramOutput& debug) {
                    if (!debug.finished)
                        return done(notAsked(path, debug.error));
                    QSet<QString> options = *checked.options;
                    done({ options.unite(parseHelpOptions(debug.output)), checked.source });
                });
        });
}
