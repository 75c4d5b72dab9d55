#pragma once

#include "ui_QUORLIN_CONF_GENERATOR_IDS.h"
#include "ui_QUORLIN_CONF_GENERATOR_MAIN.h"

#include <QString>

#include <array>
#include <span>
#include <variant>

class QUORLIN_CONF_GENERATOR_MAIN;

// One write into a control of the conf generator window. Tick boxes are set
// through the control itself, so the window's tick box rules run.
struct SetText {
    QLineEdit* Ui::QUORLIN_CONF_GENERATOR_MAIN::*box;
    QString text;
};
struct SetTick {
    QCheckBox* Ui::QUORLIN_CONF_GENERATOR_MAIN::*box;
    bool ticked;
};
struct SetEnabled {
    QCheckBox* Ui::QUORLIN_CONF_GENERATOR_MAIN::*box;
    bool enabled;
};
using ConfWrite = std::variant<SetText, SetTick, SetEnabled>;

// Performs the writes in order.
void applyConfWrites(QUORLIN_CONF_GENERATOR_MAIN& window, std::span<const ConfWrite> writes);

// The settings that are the same for every coin.
extern const std::array<ConfWrite, 16> kBasicSettings;

// A coin's name and ports, and what else its button writes after the name.
struct CoinPreset {
    QPushButton* Ui::QUORLIN_CONF_GENERATOR_IDS::*button;
    QString cryptoName;
    QString peerPort;
    QString rpcPort;
    std::span<const ConfWrite> afterName;
    bool copiesVtcNodeList; // otherwise the node list is emptied
};

// The six coins, in the order of their buttons.
extern const std::array<CoinPreset, 6> kCoinPresets;
