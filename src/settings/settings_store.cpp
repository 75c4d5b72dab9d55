#include "settings_store.h"

#include <QLocale>
#include <cmath>
#include <limits>

SettingsStore::SettingsStore(SettingsBacking& backing, const ExecutableIdentity& executable)
    : m_backing(backing)
    , m_executable(executable)
{
}

QString SettingsStore::readValue(const QString& key, const QString& defaultText) const
{
    return m_backing.GetSetting(kApplicationName, m_executable.name, key, defaultText);
}

void SettingsStore::writeValue(const QString& key, const QString& value)
{
    m_backing.SaveSetting(kApplicationName, m_executable.name, key, value);
}

QString SettingsStore::read(const TextKey& key) const
{
    return readValue(key.name, QString());
}

int SettingsStore::read(const TickKey& key) const
{
    bool ok = false;
    const int value = readValue(key.name, tickText(key.defaultState)).trimmed().toInt(&ok);
    const bool fits
        = value >= std::numeric_limits<qint16>::min() && value <= std::numeric_limits<qint16>::max();
    return ok && fits ? value : key.defaultState;
}

float SettingsStore::readGeometry(const QString& key, float defaultTwips) const
{
    const QString text = readValue(key, geometryText(defaultTwips)).trimmed();
    bool ok = false;
    float value = QLocale().toFloat(text, &ok);
    if (!ok)
        value = QLocale::c().toFloat(text, &ok);
    return ok && std::isfinite(value) ? value : defaultTwips;
}

void SettingsStore::write(const TextKey& key, const QString& value)
{
    writeValue(key.name, value);
}

void SettingsStore::write(const TickKey& key, int state)
{
    writeValue(key.name, tickText(state));
}

void SettingsStore::writeGeometry(const QString& key, float twips)
{
    writeValue(key, geometryText(twips));
}

QString tickText(int state)
{
    return QString::number(state);
}

QString geometryText(float twips)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(twips, 'g', std::numeric_limits<float>::digits10 + 1);
}
