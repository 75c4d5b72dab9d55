#pragma once

#include <QList>
#include <QSet>
#include <QString>

#include <optional>

// What a node will make of one line of its ".conf" file, when that is not
// simply to take it.
enum class ConfProblem {
    UnknownKey, // not among the node's options: it ignores the line
    RefusedOnTestChain, // a per-network key at the top level on a test chain: it refuses to start
    RpcBeyondLoopback, // RPC allowed or bound beyond loopback while the server is on
    PublicCredentials, // one of the ten published test credential sets, on the main chain
    HashInPassword, // a "#" on an rpcpassword line: it refuses to start
    UnsafeUserAgentComment, // a uacomment with characters outside its safe set: it refuses to start
};

struct ConfFinding {
    int line; // from 1
    QString key;
    ConfProblem problem;
    QString detail; // the chain's section for a refusal, the address for RPC, the unsafe characters
    bool operator==(const ConfFinding&) const = default;
};

// Reads a ".conf" text as the node does (comments from "#", blanks trimmed,
// "[section]" headers, "section.key=" prefixes, "no" negations) and lists
// what it would ignore, refuse or expose, in line order. The node's option
// list, when known, decides which keys are unknown; without it that check is
// left out.
QList<ConfFinding> checkConfText(const QString& text, const std::optional<QSet<QString>>& nodeOptions);

// Whether SAVE stops for this finding: the node would refuse to start, or RPC
// would open to other machines. A key the node ignores and public credentials
// on the main chain are only worth a note.
bool stopsSave(const ConfFinding& finding);

// One line for the user: where, which key, and what the node will do.
QString describeFinding(const ConfFinding& finding);
