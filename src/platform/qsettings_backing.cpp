#include "qsettings_backing.h"

#include "settings_section.h"

QSettingsBacking::QSettingsBacking(QString configRoot)
    : m_configRoot(std::move(configRoot))
{
}

QSettingsBacking::~QSettingsBacking() = default;

QSettings& QSettingsBacking::sectionSettings(const QString& application, const QString& section)
{
    auto& settings = m_sections[{ application, section }];
    if (!settings)
        settings = openSettingsSection(m_configRoot, application, section);
    return *settings;
}

QString QSettingsBacking::GetSetting(
    const QString& application, const QString& section, const QString& key, const QString& defaultValue)
{
    QSettings& settings = sectionSettings(application, section);
    // Another copy of the program may have written since: pick up a changed file.
    settings.sync();
    const QVariant value = settings.value(key);
    return value.isValid() ? value.toString() : defaultValue;
}

void QSettingsBacking::SaveSetting(
    const QString& application, const QString& section, const QString& key, const QString& value)
{
    QSettings& settings = sectionSettings(application, section);
    prepareSettingsSectionForWrite(settings);
    settings.setValue(key, value);
    settings.sync();
    protectSettingsSection(settings);
}
