#pragma once

#include <QLatin1StringView>
#include <QString>

#include <span>
#include <variant>

// What the conf generator composes a ".conf" file from: its text fields, the
// state of its tick boxes, and the node list block the coin presets fill.
// A new conf generator starts with every field as it is here: empty texts and
// unticked boxes, also for a field the store has no value for.
struct ConfFields {
    QString cryptoName;
    QString walletFile;
    bool wallet = false;
    bool disableWallet = false;
    bool server = false;
    bool alerts = false;
    bool listen = false;
    bool upnp = false;
    bool dns = false;
    bool oldWalletSupport = false;
    bool daemon = false;
    bool peerLocalhost = false;
    bool rpcLocalhost = false;
    QString timeout;
    QString rpcTimeout;
    QString maxConnections;
    QString peerPort;
    QString rpcPort;
    QString uaComment;
    QString rpcUser;
    QString rpcPassword;
    QString rpcAuth;
    QString fullNodeList;
    QString userDefinedSettings;

    friend bool operator==(const ConfFields&, const ConfFields&) = default;
};

using ConfText = QString ConfFields::*;
using ConfTick = bool ConfFields::*;

// Where a field's line goes in the ".conf" text: nowhere (the field has no
// line of its own), among the settings or among the credentials.
enum class ConfLine { None, Setting, Credential };

// One stored field of the conf generator. Its key names its value in the
// settings store and the control that shows it (the node list has none: it is
// a hidden field). A tick box is stored as 1 or 0.
//
// A field with a line renders as its label and its value ("server=1"): the
// fixed value where the row has one, else the text, or 1 or 0 for a tick box.
// The line is active while the rule's box is ticked; without a rule, while
// the tick box is ticked or the value is not exactly empty (blanks or "0"
// count as values). An inactive line starts with "#". A tick box with a rule
// is also greyed while its rule's box is unticked, and unticked when that box
// is unticked.
struct ConfFieldRow {
    QLatin1StringView key;
    std::variant<ConfText, ConfTick> member;
    ConfLine line = ConfLine::None;
    const char* label = nullptr;
    ConfTick rule = nullptr;
    const char* fixedValue = nullptr;
};

// Every stored field but the coin's name (which the node settings keep), in
// the order they are stored; the fields with lines are also in the order of
// their lines.
extern const std::span<const ConfFieldRow> kConfFieldRows;
