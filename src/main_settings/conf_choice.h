#pragma once

#include "settings/settings_store.h"

#include <QString>

// The node's ".conf" file as the main settings choose it: whether the user
// names an own file (a tick box state), and which.
struct ConfChoice {
    int ownFile = 0;
    QString location;
};

// Reads and stores the ".conf" choice; the main settings window goes through
// nothing else for it.
class ConfChoiceSettings {
public:
    explicit ConfChoiceSettings(SettingsStore& store);

    ConfChoice load() const;
    void save(const ConfChoice& choice);

private:
    SettingsStore& m_store;
};
