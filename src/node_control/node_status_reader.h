#pragma once

#include "platform/process_runner.h"

#include <QDateTime>
#include <QString>

#include <optional>

// What the node status window shows, as texts; "-" where the node did not say.
struct NodeStatusView {
    QString state; // "answering", "starting: ...", "not answering: ...", "unexpected answer: ..."
    QString chain = QStringLiteral("-");
    QString blocks = QStringLiteral("-");
    QString headers = QStringLiteral("-");
    QString progress = QStringLiteral("-"); // "99.87 %"
    int progressHundredths = 0; // 0 to 10000, for the bar
    QString initialDownload = QStringLiteral("-"); // "yes", "no"
    QString bestBlockTime = QStringLiteral("-"); // "2026-12-06 14:05:09 UTC (12 min ago)"
    QString peers = QStringLiteral("-"); // "8 (in 2, out 6)" or "8"
    QString version = QStringLiteral("-"); // "210400, /LitecoinCore:0.21.4/"
    QString disk = QStringLiteral("-"); // "1.2 MB, not pruned"
    QString warnings = QStringLiteral("-");
};

// Reads the client's answers to getblockchaininfo and getnetworkinfo (absent
// when that call was not made). Uses only fields that nodes since 0.17 give,
// and newer ones where present. Any text at all gives a view, never a failure:
// a number out of its sane range shows "-", and a text of the node or the
// client shows at most its first 300 characters, then "…".
NodeStatusView readNodeStatus(
    const ProcessAnswer& blockchain, const std::optional<ProcessAnswer>& network, const QDateTime& now);

// The client's own error text of a failed run, as the user would read it in a
// terminal: its error output, else its output, else the exit code.
QString clientErrorText(const ProcessAnswer& answer);
