#include "save_check.h"

#include "conf_check.h"
#include "node_options.h"

#include <QStringList>

bool confirmConfSave(
    QWidget* owner, Platform& platform, const QString& daemonCommandLine, const QString& text)
{
    const NodeOptions node = readNodeOptions(daemonCommandLine, platform.programs);
    const QList<ConfFinding> findings = checkConfText(text, node.options);
    if (findings.isEmpty())
        return true;

    QStringList lines;
    for (const ConfFinding& finding : findings)
        lines.append(describeFinding(finding));
    const QString message = QStringLiteral("What your node will do with this file:\n\n%1\n\n%2")
                                .arg(lines.join(u'\n'), node.source);
    return platform.dialogs.askToProceed(owner, QStringLiteral("QUORLIN - CHECKED AGAINST YOUR NODE"),
        message, QStringLiteral("Save anyway"), QStringLiteral("Go back"));
}
