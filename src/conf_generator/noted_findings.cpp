#include "noted_findings.h"

#include <QCryptographicHash>
#include <QStringList>

#include <algorithm>

namespace {

// Digests of the notes already shown, kept in the store under the one key
// named after no control. The store keeps this many sets, the latest last;
// older ones may be told again.
constexpr TextKey kNotedKey { QLatin1StringView("CONF_CHECK_NOTED") };
constexpr qsizetype kKeptSets = 20;

// A short digest of the program and version with the set of findings, or
// nothing without findings that do not stop SAVE.
QString noteDigest(const SaveCheck& check)
{
    QStringList set;
    for (const ConfFinding& finding : check.findings)
        if (!stopsSave(finding))
            set.append(QStringLiteral("%1 %2").arg(finding.key).arg(int(finding.problem)));
    if (set.isEmpty())
        return {};
    set.sort();
    set.removeDuplicates();
    const QByteArray bytes = (check.source + u'\n' + set.join(u'\n')).toUtf8();
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().left(16));
}

} // namespace

bool firstTimeNoted(SettingsStore& store, const SaveCheck& check)
{
    const QString digest = noteDigest(check);
    QStringList noted = store.read(kNotedKey).split(u' ', Qt::SkipEmptyParts);
    if (digest.isEmpty() || noted.contains(digest))
        return false;
    noted.append(digest);
    store.write(kNotedKey, noted.mid(std::max<qsizetype>(0, noted.size() - kKeptSets)).join(u' '));
    return true;
}
