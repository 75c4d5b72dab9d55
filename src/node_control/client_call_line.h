#pragma once

#include <QString>

// The command line that asks the node one RPC call: the user's stop line with
// its final word "stop" replaced by the call, so the client finds the chain,
// port and credentials exactly as it does for "stop".
struct ClientCallLine {
    QString line; // the call's command line, or "" when `problem` says why not
    QString problem;
};

ClientCallLine clientCallLine(const QString& stopLine, const QString& call);
