#pragma once

#include "settings_backing.h"

#include <QSet>
#include <QSettings>
#include <functional>
#include <map>
#include <memory>
#include <optional>

// The settings store over QSettings: on Windows each section is a registry key
// (registrySectionKey) holding each text exactly as saved, elsewhere an
// owner-only INI file below `configRoot` (iniSectionFilePath), because the
// store holds RPC passwords.
class QSettingsBacking final : public SettingsBacking {
public:
    // Told once when a section's stored values cannot be read (the program
    // then runs on the defaults and never writes that section), and once,
    // until a save works again, when a save or a batch of saves does not
    // reach the store: the values then live only until the program ends.
    using Report = std::function<void(const QString& message)>;

    // `configRoot` is not used on Windows. Tests pass a temporary folder.
    explicit QSettingsBacking(QString configRoot, Report report = {});
    ~QSettingsBacking() override;

    QString GetSetting(const QString& application, const QString& section, const QString& key,
        const QString& defaultValue) override;
    void SaveSetting(const QString& application, const QString& section, const QString& key,
        const QString& value) override;
    // A batch starts from the stored values, also another copy's; within it
    // reads give the batch's own saves, and each section is written once at
    // the end.
    void beginBatch() override;
    void endBatch() override;

private:
    struct Section {
        QString fileName;
        std::unique_ptr<QSettings> settings; // none while the stored values cannot be read
        std::map<QString, QString> unwritten; // what was saved meanwhile, for this run only
        QSet<QString> changedKeys; // every key saved with a new value in this run
        bool held = false; // saved in the open batch, not yet written through
    };

    Section& openSection(const QString& application, const QString& section);
    void report(const QString& message) const;
    void missed(const QString& fileName);

    QString m_configRoot;
    Report m_report;
    bool m_failing = false;
    int m_batchDepth = 0;
    bool m_savedInBatch = false;
    std::optional<QString> m_missedFile; // the first file the open batch's saves did not reach
    std::map<std::pair<QString, QString>, Section> m_sections;
};
