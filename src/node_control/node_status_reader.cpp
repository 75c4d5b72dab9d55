#include "node_status_reader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

namespace {

QString firstLine(const QString& text)
{
    return text.trimmed().section(u'\n', 0, 0).trimmed();
}

std::optional<QJsonObject> jsonObject(const QString& text)
{
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8());
    return document.isObject() ? std::optional(document.object()) : std::nullopt;
}

// What a node can sanely say. A number outside its range is taken as not
// given and shows "-": no number from the node reaches a conversion or a sum
// unchecked.
struct Range {
    double low;
    double high;
};
constexpr Range kCount { 0, 9007199254740992.0 }; // 2^53, where doubles stop being exact
constexpr Range kTime { 1230768000, 253402300799 }; // 2009-01-01 to 9999-12-31 23:59:59 UTC
constexpr Range kBytes { 0, 1e15 }; // 1 PB
constexpr Range kProgress { 0, 1 };

// Texts the node or the client wrote are cut to this many characters.
constexpr qsizetype kLongestChildText = 300;

// A number the node gave within its range, or nothing (missing, not a number,
// or out of range).
std::optional<double> number(const QJsonObject& object, const char* key, Range range)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isDouble())
        return std::nullopt;
    const double given = value.toDouble();
    return given >= range.low && given <= range.high ? std::optional(given) : std::nullopt;
}

QString wholeNumber(const QJsonObject& object, const char* key)
{
    const std::optional<double> value = number(object, key, kCount);
    return value ? QString::number(qint64(*value)) : QStringLiteral("-");
}

QString yesNo(const QJsonObject& object, const char* key, const QString& yes, const QString& no)
{
    const QJsonValue value = object.value(QLatin1String(key));
    return value.isBool() ? (value.toBool() ? yes : no) : QStringLiteral("-");
}

// Older nodes give one text, newer ones a list of texts.
QStringList warningsTexts(const QJsonObject& object)
{
    const QJsonValue value = object.value(QLatin1String("warnings"));
    QStringList texts;
    if (value.isString())
        texts.append(value.toString());
    for (const QJsonValue& item : value.toArray())
        texts.append(item.toString());
    return texts;
}

QString age(qint64 seconds)
{
    seconds = std::max<qint64>(0, seconds);
    if (seconds < 60)
        return QStringLiteral("%1 s ago").arg(seconds);
    if (seconds < 3600)
        return QStringLiteral("%1 min ago").arg(seconds / 60);
    if (seconds < 48 * 3600)
        return QStringLiteral("%1 h ago").arg(seconds / 3600);
    return QStringLiteral("%1 days ago").arg(seconds / 86400);
}

// The best block's own time where the node gives it; 0.17-era nodes give only
// the median time of the last blocks, which is then shown as such.
QString bestBlockTime(const QJsonObject& chain, const QDateTime& now)
{
    const std::optional<double> time = number(chain, "time", kTime);
    const std::optional<double> median = number(chain, "mediantime", kTime);
    if (!time && !median)
        return QStringLiteral("-");
    const qint64 seconds = qint64(time ? *time : *median);
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC)
               .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss 'UTC'"))
        + (time ? QString() : QStringLiteral(" (median)"))
        + QStringLiteral(" (%1)").arg(age(now.toSecsSinceEpoch() - seconds));
}

// The state when the client did not answer with data. A node that is still
// loading answers RPC error -28 with its own progress text.
QString failureState(const ProcessAnswer& answer)
{
    switch (answer.outcome) {
    case ProcessAnswer::Outcome::TimedOut:
        return QStringLiteral("not answering (no reply in 10 s)");
    case ProcessAnswer::Outcome::NotStarted:
        return QStringLiteral("not answering: the command-line client cannot run: ")
            + answer.errorOutput.trimmed();
    case ProcessAnswer::Outcome::Finished:
        break;
    }
    const QString error = answer.errorOutput.trimmed();
    const qsizetype message = error.indexOf(QLatin1String("error message:"));
    if (error.startsWith(QLatin1String("error code:")) && message >= 0) {
        const QString text = error.mid(message + 14).trimmed().replace(u'\n', u' ');
        if (firstLine(error) == QLatin1String("error code: -28"))
            return QStringLiteral("starting: ") + text;
        return QStringLiteral("not answering: %1 (%2)").arg(text, firstLine(error));
    }
    QString text = firstLine(clientErrorText(answer));
    if (text.startsWith(QLatin1String("error: ")))
        text.remove(0, 7);
    return QStringLiteral("not answering: ") + text;
}

QString sizeText(double bytes)
{
    return QLocale::c().formattedDataSize(qint64(bytes), 1, QLocale::DataSizeSIFormat);
}

void readBlockchain(const QJsonObject& chain, const QDateTime& now, NodeStatusView& view)
{
    if (const QJsonValue name = chain.value(QLatin1String("chain")); name.isString())
        view.chain = name.toString();
    view.blocks = wholeNumber(chain, "blocks");
    view.headers = wholeNumber(chain, "headers");
    if (const std::optional<double> progress = number(chain, "verificationprogress", kProgress)) {
        const double percent = *progress * 100;
        view.progress = QString::number(percent, 'f', 2) + QStringLiteral(" %");
        view.progressHundredths = qRound(percent * 100);
    }
    view.initialDownload = yesNo(chain, "initialblockdownload", QStringLiteral("yes"), QStringLiteral("no"));
    view.bestBlockTime = bestBlockTime(chain, now);
    const std::optional<double> size = number(chain, "size_on_disk", kBytes);
    const QString pruned = yesNo(chain, "pruned", QStringLiteral("pruned"), QStringLiteral("not pruned"));
    if (size || pruned != QLatin1String("-"))
        view.disk = (size ? sizeText(*size) : QStringLiteral("-")) + QStringLiteral(", ") + pruned;
}

void readNetwork(const QJsonObject& network, NodeStatusView& view)
{
    const std::optional<double> in = number(network, "connections_in", kCount);
    const std::optional<double> out = number(network, "connections_out", kCount);
    view.peers = wholeNumber(network, "connections");
    if (in && out && view.peers != QLatin1String("-"))
        view.peers += QStringLiteral(" (in %1, out %2)").arg(qint64(*in)).arg(qint64(*out));
    const QString version = wholeNumber(network, "version");
    const QJsonValue agent = network.value(QLatin1String("subversion"));
    view.version = agent.isString() ? version + QStringLiteral(", ") + agent.toString() : version;
}

QString capped(const QString& text)
{
    return text.size() > kLongestChildText ? text.first(kLongestChildText) + QChar(0x2026) : text;
}

NodeStatusView readView(
    const ProcessAnswer& blockchain, const std::optional<ProcessAnswer>& network, const QDateTime& now)
{
    NodeStatusView view;
    if (blockchain.outcome != ProcessAnswer::Outcome::Finished || blockchain.exitCode != 0) {
        view.state = failureState(blockchain);
        return view;
    }
    const std::optional<QJsonObject> chain = jsonObject(blockchain.output);
    if (!chain) {
        view.state = QStringLiteral("unexpected answer: ") + firstLine(blockchain.output);
        return view;
    }
    view.state = QStringLiteral("answering");
    readBlockchain(*chain, now, view);

    QStringList warnings = warningsTexts(*chain);
    if (network && network->outcome == ProcessAnswer::Outcome::Finished && network->exitCode == 0)
        if (const std::optional<QJsonObject> info = jsonObject(network->output)) {
            readNetwork(*info, view);
            warnings.append(warningsTexts(*info));
        }
    warnings.removeAll(QString());
    warnings.removeDuplicates();
    view.warnings = warnings.isEmpty() ? QStringLiteral("none") : warnings.join(QStringLiteral("; "));
    return view;
}

} // namespace

QString clientErrorText(const ProcessAnswer& answer)
{
    if (const QString error = answer.errorOutput.trimmed(); !error.isEmpty())
        return error;
    if (const QString output = answer.output.trimmed(); !output.isEmpty())
        return output;
    return QStringLiteral("The command-line client ended with exit code %1.").arg(answer.exitCode);
}

NodeStatusView readNodeStatus(
    const ProcessAnswer& blockchain, const std::optional<ProcessAnswer>& network, const QDateTime& now)
{
    // The fields that may hold the node's or the client's own words.
    NodeStatusView view = readView(blockchain, network, now);
    for (QString* text : { &view.state, &view.chain, &view.version, &view.warnings })
        *text = capped(*text);
    return view;
}
