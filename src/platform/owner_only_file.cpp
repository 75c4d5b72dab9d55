#include "owner_only_file.h"

#include <QSaveFile>

std::optional<QString> writeOwnerOnlyFile(const QString& path, const QByteArray& bytes)
{
    if (std::optional<QString> refusal = refusedWriteTarget(path))
        return refusal;

    // Unbuffered, so that a full disk fails the write itself rather than a
    // flush hidden inside commit(), which would still replace the old file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    // The new file was just created by this program, so on a file system with
    // Unix permissions its owner can always restrict it; a refusal means the
    // file system keeps no permissions, and the file is written without them.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}
