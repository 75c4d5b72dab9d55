#include "default_conf_path.h"

QString defaultConfPath(const ExecutableIdentity& executable, QChar separator)
{
    return executable.folder + separator + executable.name + QStringLiteral("-CRYPTO-CONFIG.conf");
}
