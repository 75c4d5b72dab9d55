#pragma once

#include "platform/program_runner.h"

#include <QSet>
#include <QString>

#include <optional>

// The options a configured daemon knows, as its own help lists them.
struct NodeOptions {
    std::optional<QSet<QString>> options; // nothing when the help could not be read
    QString source; // which program and version, or why it was not asked
};

// The option names in a daemon's help text: the lines "  -name" or
// "  -name=<value>".
QSet<QString> parseHelpOptions(const QString& help);

// Asks the program of a daemon command line for its options: "-help", and
// "-help-debug" as well where the help lists it. Answers are kept for the
// program's path, size and modification time, so a program is asked again
// only when it has been replaced.
NodeOptions readNodeOptions(const QString& daemonCommandLine, ProgramRunner& runner);
