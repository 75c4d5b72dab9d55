#include "conf_file.h"

#include "core/default_conf_path.h"

#include <QSaveFile>

std::optional<QString> writeConfFile(const ExecutableIdentity& executable, const QString& text)
{
    const QString path = defaultConfPath(executable);
    const QByteArray bytes = text.toUtf8() + QByteArrayLiteral("\r\n");

    QSaveFile file(path);
    // The file holds the RPC password: nobody but its owner may read it.
    const bool written = file.open(QIODevice::WriteOnly)
        && file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)
        && file.write(bytes) == bytes.size() && file.commit();
    if (written)
        return std::nullopt;
    return QStringLiteral("The \".conf\" file could not be written:\n\n%1\n\n%2")
        .arg(path, file.errorString());
}
