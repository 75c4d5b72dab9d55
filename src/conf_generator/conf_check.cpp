#include "conf_check.h"

#include "rpc_test_credentials.h"

#include <QHash>

#include <algorithm>
#include <string_view>

namespace {

// One "key=value" line as the node reads it.
struct Setting {
    int line;
    QString section; // empty at the top level
    QString key; // without a "no" negation
    QString value;
    bool negated;
    bool commented; // the line goes on after a "#"
};

// Keys that a node on a test chain takes only from its chain's section.
const QSet<QString> kNetworkOnlyKeys { QStringLiteral("addnode"), QStringLiteral("bind"),
    QStringLiteral("connect"), QStringLiteral("port"), QStringLiteral("rpcbind"), QStringLiteral("rpcport"),
    QStringLiteral("wallet") };

const QString kPassword = QStringLiteral("rpcpassword");
const QString kUserAgentComment = QStringLiteral("uacomment");

bool isTrue(const Setting& setting)
{
    const bool value = setting.value.isEmpty() || setting.value.toLongLong() != 0;
    return value != setting.negated;
}

QList<Setting> readSettings(const QString& text, const std::optional<QSet<QString>>& options)
{
    QList<Setting> settings;
    QString section;
    const QStringList lines = text.split(u'\n');
    for (int n = 0; n < lines.size(); ++n) {
        const QString line = lines[n].section(u'#', 0, 0).trimmed();
        const bool commented = lines[n].contains(u'#');
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            section = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            continue;
        QString key = line.left(equals).trimmed();
        if (key.startsWith(u'-'))
            key.remove(0, 1);
        if (!section.isEmpty())
            key = section + u'.' + key;
        const qsizetype dot = key.indexOf(u'.');
        Setting setting { n + 1, dot < 0 ? QString() : key.left(dot), key.mid(dot + 1),
            line.mid(equals + 1).trimmed(), false, commented };
        // "nofoo" negates "foo" when "foo" is an option; without the node's
        // list, the keys this check reads lists of are the ones that matter.
        const QString positive = setting.key.mid(2);
        if (setting.key.startsWith(QStringLiteral("no"))
            && (options ? options->contains(positive)
                        : kNetworkOnlyKeys.contains(positive) || positive == kUserAgentComment)) {
            setting.key = positive;
            setting.negated = true;
        }
        settings.append(setting);
    }
    return settings;
}

// The section of the chain the top level selects; "main" for the main chain.
QString selectedChain(const QList<Setting>& settings)
{
    const std::pair<QString, QString> switches[] = { { QStringLiteral("regtest"), QStringLiteral("regtest") },
        { QStringLiteral("testnet"), QStringLiteral("test") },
        { QStringLiteral("signet"), QStringLiteral("signet") } };
    for (const Setting& setting : settings) {
        if (!setting.section.isEmpty())
            continue;
        if (setting.key == QStringLiteral("chain") && !setting.negated && !setting.value.isEmpty())
            return setting.value;
        for (const auto& [key, chain] : switches)
            if (setting.key == key && isTrue(setting))
                return chain;
    }
    return QStringLiteral("main");
}

// An IPv4 address in 127.0.0.0/8, an IPv6 address equal to ::1, or localhost.
bool isLoopbackAddress(const QString& address)
{
    if (address.compare(QStringLiteral("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QStringList octets = address.split(u'.');
    if (octets.size() == 4) {
        bool valid = true;
        for (const QString& octet : octets)
            valid = valid && octet.toUInt(&valid) <= 255;
        return valid && octets[0].toUInt() == 127;
    }
    const QStringList groups = address.split(u':');
    if (groups.size() < 3 || groups.size() > 8
        || (groups.size() < 8 && !address.contains(QStringLiteral("::"))))
        return false;
    for (qsizetype n = 0; n < groups.size(); ++n) {
        bool valid = true;
        const uint value = groups[n].isEmpty() ? 0 : groups[n].toUInt(&valid, 16);
        if (!valid || groups[n].size() > 4 || value != (n + 1 == groups.size() ? 1 : 0))
            return false;
    }
    return true;
}

// "host", "host:port", "[v6]" or "[v6]:port".
bool isLoopbackHost(QString host)
{
    if (host.startsWith(u'[') && host.contains(u']'))
        host = host.mid(1, host.indexOf(u']') - 1);
    else if (host.count(u':') == 1)
        host = host.section(u':', 0, 0);
    return isLoopbackAddress(host);
}

// "address", "address/length" or "address/netmask": loopback only when the
// whole subnet is.
bool isLoopbackSubnet(const QString& subnet)
{
    const QString address = subnet.section(u'/', 0, 0);
    if (!isLoopbackAddress(address) || address.compare(QStringLiteral("localhost"), Qt::CaseInsensitive) == 0)
        return false;
    if (!subnet.contains(u'/'))
        return true;
    const QString mask = subnet.section(u'/', 1);
    const bool ipv6 = address.contains(u':');
    bool number = false;
    const uint length = mask.toUInt(&number);
    if (number)
        return length >= (ipv6 ? 128u : 8u) && length <= (ipv6 ? 128u : 32u);
    return !ipv6 && mask.split(u'.').size() == 4 && mask.section(u'.', 0, 0) == QStringLiteral("255");
}

// The node reads a "#" as the start of a comment, but on a line whose name,
// section included, holds "rpcpassword" it refuses to guess whether the "#"
// was meant as part of the password.
bool hasAmbiguousHash(const Setting& setting)
{
    return setting.commented && (setting.section.contains(kPassword) || setting.key.contains(kPassword));
}

// The characters of a user agent comment that the node refuses: all but the
// ASCII letters and digits, the blank and ".,;-_?@". The first few are given,
// each once, as itself where it prints, otherwise as its code point.
QString unsafeCommentCharacters(const QString& comment)
{
    constexpr qsizetype kMostShown = 8;
    QStringList unsafe;
    for (const char32_t c : comment.toUcs4()) {
        const bool safe = (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9')
            || std::u32string_view(U" .,;-_?@").find(c) != std::u32string_view::npos;
        const QString shown = QChar::isPrint(c)
            ? QString::fromUcs4(&c, 1)
            : QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper();
        if (!safe && !unsafe.contains(shown))
            unsafe.append(shown);
        if (unsafe.size() > kMostShown) {
            unsafe.last() = QStringLiteral("...");
            break;
        }
    }
    return unsafe.join(u' ');
}

bool isPublicCredential(const Setting& setting)
{
    return std::any_of(kRpcTestPresets.begin(), kRpcTestPresets.end(), [&](const RpcCredentials& preset) {
        return (setting.key == QStringLiteral("rpcpassword") && setting.value == preset.password)
            || (setting.key == QStringLiteral("rpcauth") && setting.value == preset.auth);
    });
}

} // namespace

QList<ConfFinding> checkConfText(const QString& text, const std::optional<QSet<QString>>& nodeOptions)
{
    const QList<Setting> settings = readSettings(text, nodeOptions);
    const QString chain = selectedChain(settings);
    const bool testChain = chain != QStringLiteral("main");

    // The lines that apply: the top level and the selected chain's section.
    const auto applies = [&](const Setting& s) { return s.section.isEmpty() || s.section == chain; };
    QSet<QString> inChainSection; // looked up once per line, so the check stays linear in the text
    for (const Setting& s : settings)
        if (s.section == chain)
            inChainSection.insert(s.key);
    const bool server = std::any_of(settings.begin(), settings.end(),
        [&](const Setting& s) { return applies(s) && s.key == QStringLiteral("server") && isTrue(s); });
    // The user agent comments are a list, read from the chain's section, then
    // from the top level. A negation clears the comments before it in its own
    // place; where the chain's section ends with one, the top level is left out.
    QHash<QString, int> clearedUpTo; // the place's last negation
    QHash<QString, bool> endsCleared;
    for (const Setting& s : settings) {
        if (s.key != kUserAgentComment || !applies(s))
            continue;
        const bool negation = s.negated && !isTrue(s);
        if (negation)
            clearedUpTo.insert(s.section, s.line);
        endsCleared.insert(s.section, negation);
    }
    const auto inCommentList = [&](const Setting& s) {
        return s.key == kUserAgentComment && applies(s) && !s.negated && s.line > clearedUpTo.value(s.section)
            && (!s.section.isEmpty() || !endsCleared.value(chain));
    };

    QList<ConfFinding> findings;
    for (const Setting& s : settings) {
        if (nodeOptions && !nodeOptions->contains(s.key))
            findings.append({ s.line, s.key, ConfProblem::UnknownKey, {} });
        // A key set in the chain's section as well overrides the top level.
        if (testChain && s.section.isEmpty() && kNetworkOnlyKeys.contains(s.key)
            && !inChainSection.contains(s.key))
            findings.append({ s.line, s.key, ConfProblem::RefusedOnTestChain, chain });
        const bool rpcAddress = (s.key == QStringLiteral("rpcallowip") && !isLoopbackSubnet(s.value))
            || (s.key == QStringLiteral("rpcbind") && !isLoopbackHost(s.value));
        if (server && applies(s) && !s.negated && !s.value.isEmpty() && rpcAddress)
            findings.append({ s.line, s.key, ConfProblem::RpcBeyondLoopback, s.value });
        if (!testChain && isPublicCredential(s))
            findings.append({ s.line, s.key, ConfProblem::PublicCredentials, {} });
        if (hasAmbiguousHash(s))
            findings.append({ s.line, s.key, ConfProblem::HashInPassword, {} });
        if (inCommentList(s))
            if (const QString unsafe = unsafeCommentCharacters(s.value); !unsafe.isEmpty())
                findings.append({ s.line, s.key, ConfProblem::UnsafeUserAgentComment, unsafe });
    }
    return findings;
}

bool stopsSave(const ConfFinding& finding)
{
    return finding.problem == ConfProblem::RefusedOnTestChain
        || finding.problem == ConfProblem::HashInPassword
        || finding.problem == ConfProblem::UnsafeUserAgentComment
        || finding.problem == ConfProblem::RpcBeyondLoopback;
}

QString describeFinding(const ConfFinding& finding)
{
    QString what;
    switch (finding.problem) {
    case ConfProblem::UnknownKey:
        what = QStringLiteral("the node ignores it (not among its options)");
        break;
    case ConfProblem::RefusedOnTestChain:
        // The test network's section is [test]; the user knows the chain as testnet.
        what = QStringLiteral("the node refuses to start, because on %1 this line belongs in a [%2] section")
                   .arg(finding.detail == QStringLiteral("test") ? QStringLiteral("testnet") : finding.detail,
                       finding.detail);
        break;
    case ConfProblem::RpcBeyondLoopback:
        what = QStringLiteral("opens RPC to other machines (%1 with server=1)").arg(finding.detail);
        break;
    case ConfProblem::PublicCredentials:
        what = QStringLiteral("these credentials are public; use them only on test nodes");
        break;
    case ConfProblem::HashInPassword:
        what = QStringLiteral("the node refuses to start, because it cannot tell whether the # on this line "
                              "begins a comment or belongs to the password");
        break;
    case ConfProblem::UnsafeUserAgentComment:
        what = QStringLiteral("the node refuses to start, because a user agent comment may hold only the "
                              "letters A to Z and a to z, digits, blanks and . , ; - _ ? @ (not %1)")
                   .arg(finding.detail);
        break;
    }
    return QStringLiteral("Line %1, %2: %3").arg(finding.line).arg(finding.key, what);
}
