#include "settings_location.h"

#include <QDir>
#include <QStandardPaths>

QString iniSectionFilePath(const QString& configRoot, const QString& application, const QString& section)
{
    return QDir(QDir(configRoot).filePath(application)).filePath(section + QStringLiteral(".ini"));
}

QString userConfigRoot()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString registrySectionKey(const QString& application, const QString& section)
{
    return QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\") + application
        + QLatin1Char('\\') + section;
}
