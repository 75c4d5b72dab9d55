#include "bounded_log.h"

#include <QFile>
#include <QFileInfo>

std::unique_ptr<QIODevice> BoundedLog::openFile(const QString& path)
{
    auto file = std::make_unique<QFile>(path);
    // Unbuffered, so that a full disk fails the write itself.
    if (file->open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        file->setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    else
        file->open(QIODevice::Append | QIODevice::Unbuffered);
    return file;
}

BoundedLog::BoundedLog(const QString& path, qint64 limit, Opener open)
    : m_path(path)
    , m_limit(limit)
    , m_open(std::move(open))
    , m_file(m_open(path))
    , m_size(QFileInfo(path).size())
{
    if (!m_file->isOpen())
        fail(m_file->errorString());
}

bool BoundedLog::fail(const QString& reason)
{
    m_error = reason.isEmpty() ? QStringLiteral("The file could not be written.") : reason;
    m_file.reset();
    return false;
}

// The full file becomes the ".1" file; an older one goes first, since a
// rename does not replace a file everywhere.
bool BoundedLog::startNewFile()
{
    m_file.reset();
    const QString older = m_path + QStringLiteral(".1");
    QFile::remove(older);
    QFile current(m_path);
    if (!current.rename(older))
        return fail(current.errorString());
    m_file = m_open(m_path);
    m_size = 0;
    return m_file->isOpen() || fail(m_file->errorString());
}

bool BoundedLog::append(const char* data, qint64 size)
{
    if (!m_file)
        return false;
    if (m_size + size > m_limit && !startNewFile())
        return false;
    if (m_file->write(data, size) != size)
        return fail(m_file->errorString());
    m_size += size;
    return true;
}
