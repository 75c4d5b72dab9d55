#pragma once

#include "node_sandbox.h"

#include <QString>

// The three command lines the crypto settings window builds for the installed
// Litecoin programs with every wallet and daemon switch unticked: one blank
// closes each start line and two stand before "stop".
struct NodeCommands {
    QString qt;
    QString daemon;
    QString stop;
};

inline NodeCommands nodeCommands(const QString& confPath, const QString& dataFolder)
{
    const QString folder = NodeSandbox::programFolder();
    const QString start = QStringLiteral("\"%1/%2\" -conf=\"%3\" -datadir=\"%4\" ");
    return {
        start.arg(folder, QStringLiteral("litecoin"), confPath, dataFolder),
        start.arg(folder, QStringLiteral("litecoind"), confPath, dataFolder),
        QStringLiteral("\"%1/litecoin-cli\" -conf=\"%2\"  stop").arg(folder, confPath),
    };
}
