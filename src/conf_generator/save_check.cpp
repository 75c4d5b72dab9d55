#include "save_check.h"

#include "node_options.h"

#include <QStringList>

#include <algorithm>

namespace {

// The findings that stop SAVE, or the others, one line each.
QString describe(const SaveCheck& check, bool stopping)
{
    QStringList lines;
    for (const ConfFinding& finding : check.findings)
        if (stopsSave(finding) == stopping)
            lines.append(describeFinding(finding));
    return lines.join(u'\n');
}

} // namespace

SaveCheck checkBeforeSave(ProgramRunner& programs, const QString& daemonCommandLine, const QString& text)
{
    const NodeOptions node = readNodeOptions(daemonCommandLine, programs);
    return { checkConfText(text, node.options), node.source };
}

bool stopsSave(const SaveCheck& check)
{
    return std::any_of(check.findings.begin(), check.findings.end(),
        [](const ConfFinding& finding) { return stopsSave(finding); });
}

bool confirmConfSave(QWidget* owner, Dialogs& dialogs, const SaveCheck& check)
{
    if (!stopsSave(check))
        return true;
    QString message
        = QStringLiteral("What your node will do with this file:\n\n%1\n\n").arg(describe(check, true));
    if (const QString others = describe(check, false); !others.isEmpty())
        message += QStringLiteral("Also worth knowing (these alone do not stop SAVE):\n%1\n\n").arg(others);
    return dialogs.askToProceed(owner, QStringLiteral("QUORLIN - CHECKED AGAINST YOUR NODE"),
        message + check.source, QStringLiteral("Save anyway"), QStringLiteral("Go back"));
}

QString saveNoteText(const SaveCheck& check)
{
    const QString others = describe(check, false);
    if (others.isEmpty())
        return {};
    return QStringLiteral("Saved. Worth knowing about this file:\n\n%1\n\n%2\n"
                          "This note comes once for these findings with this program and version.")
        .arg(others, check.source);
}
