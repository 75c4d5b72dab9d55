#include "qsettings_backing.h"

#include "settings_section.h"

QSettingsBacking::QSettingsBacking(QString configRoot, WriteFailure onWriteFailure)
    : m_configRoot(std::move(configRoot))
    , m_onWriteFailure(std::move(onWriteFailure))
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

    const bool failed = settings.status() != QSettings::NoError;
    if (failed && !m_failing && m_onWriteFailure)
        m_onWriteFailure(QStringLiteral("The settings could not be saved to %1. Changes made now are kept "
                                        "only until the program ends.")
                             .arg(settings.fileName()));
    m_failing = failed;
}
