#pragma once

#include <QString>

// What the conf generator composes a ".conf" file from: its text fields, the
// state of its tick boxes, and the node list block the coin presets fill.
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

// The file's text: the header line "# - <coin> - CONF FILE CREATED ...", the
// sixteen setting lines, a blank line, the three credential lines, a blank
// line, the user-defined block, a blank line and the node list block. Every
// line ends with CR LF except the node list block, which ends the text.
//
// A setting line is its label and its value ("server=1"); the label starts
// with "#" while the line is inactive. A tick box line is active while its
// rule's box is ticked (the wallet box for "disablewallet=", old wallet
// support for "daemon="), a typed line while its value is not exactly empty
// (blanks or "0" count as values). Values and blocks are inserted as they are.
QString renderConfText(const ConfFields& fields);
