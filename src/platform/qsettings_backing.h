#pragma once

#include "settings_backing.h"

#include <QSettings>
#include <map>
#include <memory>

// The settings store over QSettings: on Windows each section is a registry key
// (registrySectionKey), elsewhere an owner-only INI file below `configRoot`
// (iniSectionFilePath), because the store holds RPC passwords.
class QSettingsBacking final : public SettingsBacking {
public:
    // `configRoot` is not used on Windows. Tests pass a temporary folder.
    explicit QSettingsBacking(QString configRoot);
    ~QSettingsBacking() override;

    QString GetSetting(const QString& application, const QString& section, const QString& key,
        const QString& defaultValue) override;
    void SaveSetting(const QString& application, const QString& section, const QString& key,
        const QString& value) override;

private:
    QSettings& sectionSettings(const QString& application, const QString& section);

    QString m_configRoot;
    std::map<std::pair<QString, QString>, std::unique_ptr<QSettings>> m_sections;
};
