#include "executable.h"

#include <QCoreApplication>
#include <QDir>

ExecutableIdentity executableIdentityFromPath(const QString& path, QChar separator, bool stripExtension)
{
    const qsizetype cut = path.lastIndexOf(separator);
    QString folder = cut < 0 ? QString() : path.left(cut);
    QString name = path.mid(cut + 1);

    // A root keeps its separator: "/" or a drive's "C:\". On Linux a colon is
    // an ordinary character of a folder name.
    const bool driveRoot = separator == u'\\' && folder.size() == 2 && folder.at(1) == u':';
    if (cut >= 0 && (folder.isEmpty() || driveRoot))
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
