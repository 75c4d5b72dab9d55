#include "node_options.h"

#include "platform/command_line.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

struct CachedOptions {
    qint64 size;
    QDateTime modified;
    NodeOptions options;
};

NodeOptions notChecked(const QString& reason)
{
    return { std::nullopt, QStringLiteral("Unknown keys were not checked: %1.").arg(reason) };
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

NodeOptions readNodeOptions(const QString& daemonCommandLine, ProgramRunner& runner)
{
    const CommandLine line(daemonCommandLine);
    if (line.quoteLeftOpen())
        return notChecked(QStringLiteral("the daemon command line has a double quote that is never closed"));
    if (line.isEmpty())
        return notChecked(QStringLiteral("no daemon command line is set"));
    const QString name = line.program();
    const QString path
        = name.contains(u'/') || QFileInfo(name).isAbsolute() ? name : QStandardPaths::findExecutable(name);
    const QFileInfo file(path);
    if (path.isEmpty() || !file.isFile())
        return notChecked(QStringLiteral("the daemon \"%1\" was not found").arg(name));

    static QHash<QString, CachedOptions> cache;
    const auto cached = cache.constFind(file.absoluteFilePath());
    if (cached != cache.cend() && cached->size == file.size() && cached->modified == file.lastModified())
        return cached->options;

    const ProgramOutput help = runner.run(path, { QStringLiteral("-help") });
    if (!help.finished)
        return notChecked(QStringLiteral("%1 could not be asked for its options: %2").arg(path, help.error));
    QSet<QString> options = parseHelpOptions(help.output);
    if (options.isEmpty())
        return notChecked(QStringLiteral("%1 -help lists no options").arg(path));
    if (options.contains(QStringLiteral("help-debug"))) {
        const ProgramOutput debug = runner.run(path, { QStringLiteral("-help-debug") });
        if (!debug.finished)
            return notChecked(
                QStringLiteral("%1 could not be asked for its options: %2").arg(path, debug.error));
        options.unite(parseHelpOptions(debug.output));
    }
    const QString version = help.output.trimmed().section(u'\n', 0, 0).trimmed();
    const NodeOptions result { options, QStringLiteral("Checked against %1 (%2).").arg(path, version) };
    cache.insert(file.absoluteFilePath(), { file.size(), file.lastModified(), result });
    return result;
}
