#pragma once

#include "platform/executable.h"
#include "platform/settings_backing.h"
#include "setting_keys.h"

#include <QString>

// The windows' view of the settings store: the application name and the
// running executable's section are filled in, and the three kinds of value
// (text, tick box state, geometry) convert the same way everywhere. Nothing is
// cached: every read asks the backing. A stored value that cannot be converted
// to its kind reads as the default.
class SettingsStore {
public:
    SettingsStore(SettingsBacking& backing, const ExecutableIdentity& executable);

    QString read(const TextKey& key) const;
    int read(const TickKey& key) const;
    float readGeometry(const QString& key, float defaultTwips) const;

    void write(const TextKey& key, const QString& value);
    void write(const TickKey& key, int state);
    void writeGeometry(const QString& key, float twips);

    const ExecutableIdentity& executable() const { return m_executable; }

    // One user action's writes: the store is written once, when the outermost
    // batch ends, and a failure is told at most once. Reads within it give
    // the values written in it.
    class Batch {
    public:
        explicit Batch(SettingsStore& store);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        SettingsBacking& m_backing;
    };

private:
    QString readValue(const QString& key, const QString& defaultText) const;
    void writeValue(const QString& key, const QString& value);

    SettingsBacking& m_backing;
    const ExecutableIdentity& m_executable;
};

// Decimal text of a tick box state and of a geometry value: whole numbers have
// no decimal point, the decimal separator follows the user's locale.
QString tickText(int state);
QString geometryText(float twips);
