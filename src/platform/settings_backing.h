#pragma once

#include <QString>

// The application name of every stored value.
inline const QString kApplicationName = QStringLiteral("KD_QUORLIN");

// The per-user store that every window keeps its values in. Addressed by an
// application name, a section and a key; every value is text.
class SettingsBacking {
public:
    virtual ~SettingsBacking() = default;

    // The stored text, or `defaultValue` when the application, section or key
    // does not exist. A key stored with the empty text returns the empty text.
    virtual QString GetSetting(
        const QString& application, const QString& section, const QString& key, const QString& defaultValue)
        = 0;

    // Stores the text, creating what is missing; written through at once,
    // or at the end of the outermost batch when a batch is open.
    virtual void SaveSetting(
        const QString& application, const QString& section, const QString& key, const QString& value)
        = 0;

    // Saves between beginBatch and the matching endBatch may be held and
    // written through together at the end of the outermost batch; batches
    // nest. A backing that writes each value at once needs nothing here.
    virtual void beginBatch() { }
    virtual void endBatch() { }
};
