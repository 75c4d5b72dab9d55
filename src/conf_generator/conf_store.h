#pragma once

#include "conf_text.h"

class NodeSettings;
class SettingsStore;

// The conf generator's stored fields, read and written in one fixed order:
// the coin's name (which the node settings keep and announce), the wallet
// file, the tick boxes, the typed values, the credentials, the node list and
// the user-defined block.
ConfFields loadConfFields(const SettingsStore& store);
void storeConfFields(SettingsStore& store, NodeSettings& node, const ConfFields& fields);
