#pragma once

#include "command_line_builder.h"
#include "settings/node_settings.h"

#include <QString>

#include <array>

// The stored fields of the crypto settings window, each stored under the name
// of its control: the coin's and the programs' names (the node settings hold
// and store those), the data and program folders, and the tick boxes of the
// three switch pairs. The window reads and stores them here and nowhere else.
class CryptoSettings {
public:
    static constexpr std::size_t kTextCount = 7;
    static constexpr std::size_t kTickCount = 6;

    // The controls of the texts and of the tick boxes, in the order they are
    // read and stored. Each switch pair is its main box, then its Disabled box.
    static QString textControl(std::size_t field);
    static QString tickControl(std::size_t box);

    struct Values {
        std::array<QString, kTextCount> texts;
        std::array<int, kTickCount> ticks {};
    };

    CryptoSettings(SettingsStore& store, NodeSettings& node);

    Values load() const;

    // Stores the values, then hands the three command lines built from them
    // to the node settings, in one write of the store.
    void save(const Values& values, const CommandLines& commands);

private:
    SettingsStore& m_store;
    NodeSettings& m_node;
};
