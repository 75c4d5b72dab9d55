#include "settings_location.h"
#include "settings_section.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

std::unique_ptr<QSettings> openSettingsSection(
    const QString& configRoot, const QString& application, const QString& section)
{
    return std::make_unique<QSettings>(
        iniSectionFilePath(configRoot, application, section), QSettings::IniFormat);
}

void prepareSettingsSectionForWrite(const QSettings& settings)
{
    const QString folder = QFileInfo(settings.fileName()).absolutePath();
    if (!QFileInfo::exists(folder))
        QDir().mkpath(folder);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void protectSettingsSection(const QSettings& settings)
{
    QFile::setPermissions(settings.fileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

QString settingsFolder(const QString& configRoot, const QString& application)
{
    return QFileInfo(iniSectionFilePath(configRoot, application, QStringLiteral("x"))).absolutePath();
}
