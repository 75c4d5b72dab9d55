#include "save_check.h"

#include "node_options.h"

#include <QStringList>

#include <algorithm>

namespace {

// A dialog or note lists this many findings at most, then how many more
// there are: it stays readable and within the screen.
constexpr qsizetype kListedFindings = 20;

// A finding's line shows this many characters at most (a key may be a whole
// block that lacks its line breaks).
constexpr qsizetype kShownLineLength = 300;

QString shownLine(const QString& line)
{
    return line.size() <= kShownLineLength ? line : line.first(kShownLineLength) + QStringLiteral("...");
}

qsizetype stoppingCount(const SaveCheck& check)
{
    return std::count_if(check.findings.begin(), check.findings.end(),
        [](const ConfFinding& finding) { return stopsSave(finding); });
}

// The findings that stop SAVE, or the others, one line each: the first
// `listed` of them, then a line with how many more there are.
QString describe(const SaveCheck& check, bool stopping, qsizetype listed)
{
    QStringList lines;
    qsizetype more = 0;
    for (const ConfFinding& finding : check.findings) {
        if (stopsSave(finding) != stopping)
            continue;
        if (lines.size() < listed)
            lines.append(shownLine(describeFinding(finding)));
        else
            ++more;
    }
    if (more > 0)
        lines.append(QStringLiteral("and %1 more").arg(more));
    return lines.join(u'\n');
}

} // namespace

void checkBeforeSave(ProgramHelpReader& help, const CommandLine& daemonLine, const QString& text,
    QObject* receiver, std::function<void(const SaveCheck&)> done)
{
    readNodeOptions(daemonLine, help, receiver, [text, done](const NodeOptions& node) {
        done({ checkConfText(text, node.options), node.source });
    });
}

bool stopsSave(const SaveCheck& check)
{
    return stoppingCount(check) > 0;
}

bool confirmConfSave(QWidget* owner, Dialogs& dialogs, const SaveCheck& check)
{
    if (!stopsSave(check))
        return true;
    // The findings that stop SAVE come first; the others share what is left of the list.
    const qsizetype stopping = stoppingCount(check);
    QString message = QStringLiteral("What your node will do with this file:\n\n%1\n\n")
                          .arg(describe(check, true, kListedFindings));
    if (const QString others = describe(check, false, std::max<qsizetype>(0, kListedFindings - stopping));
        !others.isEmpty())
        message += QStringLiteral("Also worth knowing (these alone do not stop SAVE):\n%1\n\n").arg(others);
    return dialogs.askToProceed(owner, QStringLiteral("QUORLIN - CHECKED AGAINST YOUR NODE"),
        message + check.source, QStringLiteral("Save anyway"), QStringLiteral("Go back"));
}

QString saveNoteText(const SaveCheck& check)
{
    const QString others = describe(check, false, kListedFindings);
    if (others.isEmpty())
        return {};
    return QStringLiteral("Saved. Worth knowing about this file:\n\n%1\n\n%2\n"
                          "This note comes once for these findings with this program and version.")
        .arg(others, check.source);
}
