#pragma once

#include <QChar>
#include <QString>

// The fields the three command lines are made of, as the crypto settings
// window holds them. Nothing is trimmed, checked or escaped.
struct CommandLineFields {
    QString qtLocation; // folder of the Qt wallet
    QString qtName; // file name of the Qt wallet
    QString daemonCliLocation; // one folder for the daemon and the client
    QString daemonName;
    QString cliName;
    QString blockchainHome; // the node's data folder
    QString confFileLocation; // full path of the node's ".conf" file
    QString qtWalletSwitch; // "", "-disablewallet=0" or "-disablewallet=1"
    QString daemonWalletSwitch; // the same three values
    QString cliDaemonSwitch; // "", "-daemon=1" or "-daemon=0"
};

struct CommandLines {
    QString qt;
    QString daemon;
    QString stop;
};

// Joins the fields into the three command lines, with `separator` between
// each folder and file name:
//   Qt and daemon: "<folder><sep><file>" -conf="<conf>" -datadir="<data>" <wallet switch>
//   stop:          "<folder><sep><client>" -conf="<conf>" <daemon switch> stop
// An empty switch keeps the blanks around it.
CommandLines buildCommandLines(const CommandLineFields& fields, QChar separator);
