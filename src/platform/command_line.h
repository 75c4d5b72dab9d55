#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// One argument of a command line, and where it stands in the line.
struct ScannedArgument {
    QString text; // as the program receives it
    qsizetype begin = 0; // its first character in the line, an opening quote included
    qsizetype end = 0; // one past its last character in the line, a closing quote included
    qsizetype valueBegin = -1; // in the line, one past its first '=', or -1 when it has none
    bool valueQuoted = false; // whether that '=' stands inside double quotes
};

struct ScannedCommandLine {
    QList<ScannedArgument> arguments;
    bool quoteLeftOpen = false; // the last argument then runs to the end of the line
};

// Splits a command line into program and arguments by the rules of
// QProcess::splitCommand: blanks separate arguments, double quotes group
// blanks into one argument and are removed, three double quotes in a row stand
// for one literal double quote, and a backslash is an ordinary character, so
// Windows-style paths survive.
ScannedCommandLine scanCommandLine(const QString& commandLine);

// The arguments' texts, or nullopt when a quote is left open.
std::optional<QStringList> splitCommandLine(const QString& commandLine);
