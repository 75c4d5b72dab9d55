#include "settings_location.h"
#include "settings_section.h"

#include <QStandardPaths>

// The registry key of the current user is already private to that user.

std::unique_ptr<QSettings> openSettingsSection(
    const QString&, const QString& application, const QString& section)
{
    return std::make_unique<QSettings>(registrySectionKey(application, section), QSettings::NativeFormat);
}

std::optional<QString> unreadableSettingsSection(const QSettings&)
{
    return std::nullopt;
}

// Each value is written to the registry at once; no read of a text file can
// set the status, so it tells about the writes alone.
bool writeSettingsSection(QSettings& settings, const QSet<QString>&)
{
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QString settingsFolder(const QString&, const QString& application)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1Char('/')
        + application;
}
