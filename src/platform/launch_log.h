#pragma once

#include "command_line.h"

#include <QDateTime>
#include <QString>

// The output file of a program that START QT or DAEMON starts: each start
// appends a line with its time and command line, then the program's own
// standard output and error follow.

// The most a log holds. A file that the next start's line would take past it
// starts over empty; while the program runs, a full file becomes
// "<log>.1" and a new one starts (bounded_log.h).
inline constexpr qint64 kLaunchLogLimit = 1024 * 1024;

// The line a start appends: "2026-12-06 14:05:09 <masked command line>".
QString launchLogHeader(const QDateTime& when, const CommandLine& commandLine);

// Makes the file ready for a start: creates it and its folder readable by the
// owner only, starts it over when the line would take it past the limit, and appends the
// start's line. A link, a folder or another user's file at the path is left
// alone. Gives the reason when the file cannot be written, else "".
QString prepareLaunchLog(const QString& path, const CommandLine& commandLine);

// The size of the file now (0 when missing): where the next start's lines begin.
qint64 launchLogSize(const QString& path);

// The last `count` lines the file holds from `offset` on (of its last 64 kB at
// most; from its beginning when it has since started over), or "" when it
// cannot be read.
QString lastLogLines(const QString& path, qint64 offset, int count);
