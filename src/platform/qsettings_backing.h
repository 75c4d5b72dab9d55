#pragma once

#include "settings_backing.h"

#include <QSettings>
#include <functional>
#include <map>
#include <memory>

// The settings store over QSettings: on Windows each section is a registry key
// (registrySectionKey), elsewhere an owner-only INI file below `configRoot`
// (iniSectionFilePath), because the store holds RPC passwords.
class QSettingsBacking final : public SettingsBacking {
public:
    // Told, once until a save works again, when a save cannot be written:
    // the value then lives only until the program ends.
    using WriteFailure = std::function<void(const QString& message)>;

    // `configRoot` is not used on Windows. Tests pass a temporary folder.
    explicit QSettingsBacking(QString configRoot, WriteFailure onWriteFailure = {});
    ~QSettingsBacking() override;

    QString GetSetting(const QString& application, const QString& section, const QString& key,
        const QString& defaultValue) override;
    void SaveSetting(const QString& application, const QString& section, const QString& key,
        const QString& value) override;

private:
    QSettings& sectionSettings(const QString& application, const QString& section);

    QString m_configRoot;
    WriteFailure m_onWriteFailure;
    bool m_failing = false;
    std::map<std::pair<QString, QString>, std::unique_ptr<QSettings>> m_sections;
};
