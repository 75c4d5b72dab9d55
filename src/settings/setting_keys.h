#pragma once

#include <QString>

// A stored text and the stored state of a tick box: the key, and for a tick
// box the state read while the store has none (a text reads as empty).
//
// Each key is the name of the control it belongs to, spelled once in the rows
// of the model that owns it: the node settings, the crypto settings, the main
// settings' ".conf" choice and the conf generator's fields (conf_fields.cpp).
// Window positions have their own table beside the placement helpers.
struct TextKey {
    QLatin1StringView name;
};
struct TickKey {
    QLatin1StringView name;
    int defaultState;
};
