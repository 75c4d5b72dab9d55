// Stored tick box states and geometry values come from a text file the user may edit. Whatever the text and
// the locale, a read gives the default or a value of the right kind: a tick state that fits 16 bits, a finite
// geometry. A geometry written and read back stays the same to the digits written.
#include "settings/settings_store.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QLocale>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

// One stored value, returned for every key.
class OneValueBacking final : public SettingsBacking {
public:
    QString GetSetting(const QString&, const QString&, const QString&, const QString& defaultValue) override
    {
        return m_stored.value_or(defaultValue);
    }
    void SaveSetting(const QString&, const QString&, const QString&, const QString& value) override
    {
        m_stored = value;
    }
    std::optional<QString> m_stored;
};

// Locales with a decimal comma, other digits and other signs.
const QLocale::Language kLanguages[]
    = { QLocale::C, QLocale::English, QLocale::German, QLocale::French, QLocale::Arabic, QLocale::Persian };

void check(bool condition, const char* what, double value)
{
    if (condition)
        return;
    std::fprintf(stderr, "%s: %.9g (locale %s)\n", what, value, qPrintable(QLocale().name()));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    QLocale::setDefault(QLocale(input.PickValueInArray(kLanguages)));
    const int defaultTick = input.ConsumeIntegralInRange(0, 2);
    const float defaultTwips = input.ConsumeFloatingPoint<float>();
    const float written = input.ConsumeFloatingPoint<float>();
    const std::string text = input.ConsumeRemainingBytesAsString();

    const ExecutableIdentity executable { QStringLiteral("KD-QUORLIN"), QStringLiteral("/") };
    OneValueBacking backing;
    SettingsStore store(backing, executable);
    backing.m_stored = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));

    const int tick = store.read(TickKey { QLatin1StringView("TICK"), defaultTick });
    check(tick == defaultTick
            || (tick >= std::numeric_limits<qint16>::min() && tick <= std::numeric_limits<qint16>::max()),
        "tick state out of range", tick);
    const float twips = store.readGeometry(QStringLiteral("MAIN_Left"), defaultTwips);
    check(std::isfinite(twips) || twips == defaultTwips || std::isnan(defaultTwips), "geometry not finite",
        twips);

    if (std::isfinite(written)) {
        store.writeGeometry(QStringLiteral("MAIN_Left"), written);
        const float read = store.readGeometry(QStringLiteral("MAIN_Left"), std::nanf(""));
        check(std::fabs(read - written) <= std::fabs(written) * 1e-6f, "geometry read back differs", written);
    }
    return 0;
}
