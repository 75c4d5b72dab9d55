#include "ini_lines.h"

#include <QFile>
#include <QSaveFile>

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The key of an INI line as written, or nothing for a line without one.
QByteArray lineKey(const QByteArray& line)
{
    const qsizetype equals = line.indexOf('=');
    return equals < 0 ? QByteArray() : line.first(equals).trimmed();
}

} // namespace

QList<QByteArray> nonUtf8IniLines(const QString& path)
{
    QList<QByteArray> lines;
    for (const QByteArray& line : fileBytes(path).split('\n')) {
        if (QString::fromUtf8(line).toUtf8() != line)
            lines.append(line);
    }
    return lines;
}

void restoreIniLines(
    const QString& path, const QList<QByteArray>& originals, const QSet<QString>& changedKeys)
{
    QList<QByteArray> lines = fileBytes(path).split('\n');
    bool restored = false;
    for (QByteArray& line : lines) {
        const QByteArray key = lineKey(line);
        if (key.isEmpty() || changedKeys.contains(QString::fromUtf8(key)))
            continue;
        for (const QByteArray& original : originals) {
            if (lineKey(original) == key) {
                line = original;
                restored = true;
            }
        }
    }
    if (!restored)
        return;
    // Should this fail, the file keeps what QSettings wrote, which still reads.
    const QByteArray bytes = lines.join('\n');
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        file.commit();
}
