#pragma once

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>

// QSettings reads bytes of an INI file that are not UTF-8 as U+FFFD (or drops
// them) and writes that back at the next save, so a save would change values
// the program never wrote. Taken before a save and given back after it, such
// lines keep their bytes.

// The lines of the file at `path` that are not UTF-8.
QList<QByteArray> nonUtf8IniLines(const QString& path);

// Puts each of `originals` back in place of the line QSettings wrote for the
// same key, unless the program changed that key's value (`changedKeys`).
void restoreIniLines(
    const QString& path, const QList<QByteArray>& originals, const QSet<QString>& changedKeys);
