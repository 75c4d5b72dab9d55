#include "owner_only_file.h"

#include <QFileInfo>

// Files on Windows have owners, but the folder beside the executable is the
// user's own choice; only links and junctions are refused.
std::optional<QString> refusedWriteTarget(const QString& path)
{
    const QFileInfo info(path);
    if (info.isSymbolicLink() || info.isJunction())
        return QStringLiteral("It is a symbolic link, which this program does not follow.");
    if (info.isDir())
        return QStringLiteral("It is a folder, not a file.");
    if (info.exists() && !info.isFile())
        return QStringLiteral("It is not a regular file.");
    return std::nullopt;
}
