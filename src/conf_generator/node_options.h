#pragma once

#include "platform/command_line.h"
#include "platform/program_help.h"

#include <QSet>
#include <QString>

#include <functional>
#include <optional>

// The options a configured daemon knows, as its own help lists them.
struct NodeOptions {
    std::optional<QSet<QString>> options; // nothing when the help could not be read
    QString source; // which program and version, or why it was not asked
};

// The option names in a daemon's help text: the lines "  -name" or
// "  -name=<value>".
QSet<QString> parseHelpOptions(const QString& help);

// Asks the daemon line's program for its options: "-help", and
// "-help-debug" as well where the help lists it. `done` gets them at once
// when there is no program to ask or its answers are kept, and otherwise
// later, unless `receiver` is gone by then.
void readNodeOptions(const CommandLine& daemonLine, ProgramHelpReader& help, QObject* receiver,
    std::function<void(const NodeOptions&)> done);
