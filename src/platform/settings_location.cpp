#include "settings_location.h"

#include <QDir>

QString iniSectionFilePath(const QString& configRoot, const QString& application, const QString& section)
{
    return configRoot + QLatin1Char('/') + application + QLatin1Char('/') + section + QStringLiteral(".ini");
}

QString userConfigRoot()
{
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    return xdg.isEmpty() ? QDir::homePath() + QStringLiteral("/.config") : xdg;
}

QString registrySectionKey(const QString& application, const QString& section)
{
    return QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\") + application
        + QLatin1Char('\\') + section;
}
