#pragma once

#include <QString>
#include <QtGlobal>

// The most output the panel reads from one run of a child program, standard
// output and standard error together. The node's answers are a few kB and a
// daemon's -help some 60 kB: a program that prints more is broken or endless,
// and is ended rather than let fill the panel's memory.
constexpr qint64 kOutputLimitBytes = 1024 * 1024;

inline QString answerTooLongText()
{
    return QStringLiteral("answer too long (more than 1 MB)");
}
