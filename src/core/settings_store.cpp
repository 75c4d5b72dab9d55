#include "settings_store.h"

#include <QLocale>
#include <cmath>
#include <limits>

SettingsStore::SettingsStore(SettingsBacking& backing, const ExecutableIdentity& executable)
    : m_backing(backing)
    , m_executable(executable)
{
}

QString SettingsStore::read(const QString& key, const QString& defaultText) const
{
    return m_backing.GetSetting(kApplicationName, m_executable.name, key, defaultText);
}

void SettingsStore::write(const QString& key, const QString& value)
{
    m_backing.SaveSetting(kApplicationName, m_executable.name, key, value);
}

QString SettingsStore::readText(const QString& key) const
{
    return read(key, QString());
}

int SettingsStore::readTick(const QString& key, int defaultState) const
{
    bool ok = false;
    const int value = read(key, tickText(defaultState)).trimmed().toInt(&ok);
    const bool fits
        = value >= std::numeric_limits<qint16>::min() && value <= std::numeric_limits<qint16>::max();
    return ok && fits ? value : defaultState;
}

float SettingsStore::readGeometry(const QString& key, float defaultTwips) const
{
    const QString text = read(key, geometryText(defaultTwips)).trimmed();
    bool ok = false;
    float value = QLocale().toFloat(text, &ok);
    if (!ok)
        value = QLocale::c().toFloat(text, &ok);
    return ok && std::isfinite(value) ? value : defaultTwips;
}

void SettingsStore::writeText(const QString& key, const QString& value)
{
    write(key, value);
}

void SettingsStore::writeTick(const QString& key, int state)
{
    write(key, tickText(state));
}

void SettingsStore::writeGeometry(const QString& key, float twips)
{
    write(key, geometryText(twips));
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
