#include "qsettings_backing.h"

#include "settings_section.h"

#include <utility>

QSettingsBacking::QSettingsBacking(QString configRoot, Report report)
    : m_configRoot(std::move(configRoot))
    , m_report(std::move(report))
{
}

QSettingsBacking::~QSettingsBacking() = default;

void QSettingsBacking::report(const QString& message) const
{
    if (m_report)
        m_report(message);
}

QSettingsBacking::Section& QSettingsBacking::openSection(const QString& application, const QString& section)
{
    const auto [entry, added] = m_sections.try_emplace({ application, section });
    Section& opened = entry->second;
    if (!added)
        return opened;
    opened.settings = openSettingsSection(m_configRoot, application, section);
    opened.fileName = opened.settings->fileName();
    // Writing would replace what the user has with the defaults.
    if (const std::optional<QString> reason = unreadableSettingsSection(*opened.settings)) {
        opened.settings.reset();
        report(QStringLiteral("The settings in %1 cannot be read: %2\n\nThe program runs on its default "
                              "settings and leaves that file as it is.")
                   .arg(opened.fileName, *reason));
    }
    return opened;
}

QString QSettingsBacking::GetSetting(
    const QString& application, const QString& section, const QString& key, const QString& defaultValue)
{
    Section& opened = openSection(application, section);
    if (!opened.settings) {
        const auto saved = opened.unwritten.find(key);
        return saved != opened.unwritten.end() ? saved->second : defaultValue;
    }
    // Another copy of the program may have written since: pick up a changed
    // file. Within a batch the held saves stand, and a sync would write them.
    if (m_batchDepth == 0)
        opened.settings->sync();
    return readSettingsValue(*opened.settings, key).value_or(defaultValue);
}

void QSettingsBacking::SaveSetting(
    const QString& application, const QString& section, const QString& key, const QString& value)
{
    beginBatch();
    Section& opened = openSection(application, section);
    m_savedInBatch = true;
    if (opened.settings) {
        // A value saved as it was read (a window storing all its fields) is
        // no change: the stored bytes stay.
        if (readSettingsValue(*opened.settings, key) != value)
            opened.changedKeys.insert(key);
        if (saveSettingsValue(*opened.settings, key, value))
            opened.held = true;
        else
            missed(opened.fileName);
    } else {
        opened.unwritten[key] = value;
        missed(opened.fileName);
    }
    endBatch();
}

void QSettingsBacking::missed(const QString& fileName)
{
    if (!m_missedFile)
        m_missedFile = fileName;
}

void QSettingsBacking::beginBatch()
{
    if (m_batchDepth++ > 0)
        return;
    // The batch starts from what another copy of the program may have written since.
    for (auto& [address, opened] : m_sections)
        if (opened.settings)
            opened.settings->sync();
}

void QSettingsBacking::endBatch()
{
    if (--m_batchDepth > 0)
        return;
    for (auto& [address, opened] : m_sections)
        if (std::exchange(opened.held, false) && !writeSettingsSection(*opened.settings, opened.changedKeys))
            missed(opened.fileName);
    if (!std::exchange(m_savedInBatch, false))
        return;
    const std::optional<QString> missedFile = std::exchange(m_missedFile, std::nullopt);
    if (std::exchange(m_failing, missedFile.has_value()) || !missedFile)
        return;
    report(QStringLiteral("The settings could not be saved to %1. Changes made now are kept "
                          "only until the program ends.")
               .arg(*missedFile));
}
