#include "owner_only_file.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

std::optional<QString> refusedWriteTarget(const QString& path)
{
    struct stat status { };
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return errno == ENOENT ? std::nullopt : std::optional(QString::fromLocal8Bit(std::strerror(errno)));
    // A link could lead the write into any file the user may change.
    if (S_ISLNK(status.st_mode))
        return QStringLiteral("It is a symbolic link, which this program does not follow.");
    if (S_ISDIR(status.st_mode))
        return QStringLiteral("It is a folder, not a file.");
    if (!S_ISREG(status.st_mode))
        return QStringLiteral("It is not a regular file.");
    if (status.st_uid != ::geteuid())
        return QStringLiteral("It belongs to another user.");
    return std::nullopt;
}
