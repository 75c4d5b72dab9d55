#include "settings_store.h"

#include <QLocale>
#include <cmath>
#include <limits>
#include <optional>

using namespace Qt::StringLiterals;

SettingsStore::SettingsStore(SettingsBacking& backing, const ExecutableIdentity& executable)
    : m_backing(backing)
    , m_executable(executable)
{
}

SettingsStore::Batch::Batch(SettingsStore& store)
    : m_backing(store.m_backing)
{
    m_backing.beginBatch();
}

SettingsStore::Batch::~Batch()
{
    m_backing.endBatch();
}

namespace {

// A number in the user's locale, in the C locale, or in ASCII digits with the
// user's decimal separator (as geometryText writes it where the locale's own
// form cannot be read back).
std::optional<float> readFloat(const QLocale& locale, QString text)
{
    bool ok = false;
    if (const float value = locale.toFloat(text, &ok); ok)
        return value;
    if (const float value = QLocale::c().toFloat(text, &ok); ok)
        return value;
    if (const float value = QLocale::c().toFloat(text.replace(locale.decimalPoint(), u"."_s), &ok); ok)
        return value;
    return std::nullopt;
}

} // namespace

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
    const std::optional<float> value = readFloat(QLocale(), text);
    return value && std::isfinite(*value) ? *value : defaultTwips;
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
    constexpr int kDigits = std::numeric_limits<float>::digits10 + 1;
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const QString text = locale.toString(twips, 'g', kDigits);
    bool ok = false;
    locale.toFloat(text, &ok);
    if (ok)
        return text;
    // Qt writes a negative number or an exponent in some locales (Persian,
    // Arabic: a direction mark before the sign) in a form it cannot read back;
    // there the text keeps ASCII digits and signs and only the decimal
    // separator follows the locale.
    return QLocale::c().toString(twips, 'g', kDigits).replace(u'.', locale.decimalPoint());
}
