#include "conf_file.h"

#include "core/default_conf_path.h"
#include "platform/owner_only_file.h"

std::optional<QString> writeConfFile(const ExecutableIdentity& executable, const QString& text)
{
    const QString path = defaultConfPath(executable);
    // The file holds the RPC password: nobody but its owner may read it.
    const std::optional<QString> error = writeOwnerOnlyFile(path, text.toUtf8() + QByteArrayLiteral("\r\n"));
    if (!error)
        return std::nullopt;
    return QStringLiteral("The \".conf\" file could not be written:\n\n%1\n\n%2").arg(path, *error);
}
