#pragma once

#include <QIODevice>
#include <QString>

#include <functional>
#include <memory>

// A launch log while its program runs: the program's output is appended until
// the next piece would take the file past its limit; then the file becomes
// "<path>.1", replacing an older one, and a new file starts. So the log never
// holds more than the limit, and the output before it is in the ".1" file.
class BoundedLog {
public:
    // Opens the file at `path` for appending, creating it readable by its
    // owner only; a test may hand out another device.
    using Opener = std::function<std::unique_ptr<QIODevice>(const QString& path)>;
    static std::unique_ptr<QIODevice> openFile(const QString& path);

    BoundedLog(const QString& path, qint64 limit, Opener open = openFile);

    // Appends `size` bytes (at most the limit). Returns false when the file
    // could not be written or started anew (a full disk); error() says why,
    // and nothing more is written.
    bool append(const char* data, qint64 size);
    const QString& error() const { return m_error; }

private:
    bool fail(const QString& reason);
    bool startNewFile();

    QString m_path;
    qint64 m_limit;
    Opener m_open;
    std::unique_ptr<QIODevice> m_file;
    qint64 m_size = 0;
    QString m_error;
};
