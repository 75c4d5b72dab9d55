#include "executable.h"

#include <QCoreApplication>
#include <QDir>

ExecutableIdentity executableIdentityFromPath(const QString& path, QChar separator, bool stripExtension)
{
    const qsizetype cut = path.lastIndexOf(separator);
    QString folder = cut < 0 ? QString() : path.left(cut);
    QString name = path.mid(cut + 1);

    // A root keeps its separator: "/" or "C:\".
    if (cut >= 0 && (folder.isEmpty() || folder.endsWith(u':')))
        folder += separator;

    if (stripExtension) {
        const qsizetype dot = name.lastIndexOf(u'.');
        if (dot > 0)
            name.truncate(dot);
    }
    return { name, folder };
}

ExecutableIdentity currentExecutableIdentity()
{
    return executableIdentityFromPath(QDir::toNativeSeparators(QCoreApplication::applicationFilePath()),
        kPathSeparator, kExecutablesHaveExtension);
}
