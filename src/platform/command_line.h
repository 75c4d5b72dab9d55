#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Splits a command line into program and arguments by the rules of
// QProcess::splitCommand: blanks separate arguments, double quotes group
// blanks into one argument and are removed, three double quotes in a row stand
// for one literal double quote, and a backslash is an ordinary character, so
// Windows-style paths survive. Returns nullopt when a quote is left open.
std::optional<QStringList> splitCommandLine(const QString& commandLine);
