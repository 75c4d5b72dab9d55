#include "settings_location.h"
#include "settings_section.h"

#include <QStandardPaths>

// The registry key of the current user is already private to that user.

std::unique_ptr<QSettings> openSettingsSection(
    const QString&, const QString& application, const QString& section)
{
    return std::make_unique<QSettings>(registrySectionKey(application, section), QSettings::NativeFormat);
}

void prepareSettingsSectionForWrite(const QSettings&) { }

void protectSettingsSection(const QSettings&) { }

QString settingsFolder(const QString&, const QString& application)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1Char('/')
        + application;
}
