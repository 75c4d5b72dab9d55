#include "launch_log.h"

#include "masked_command_line.h"
#include "owner_only_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString launchLogHeader(const QDateTime& when, const CommandLine& commandLine)
{
    return when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss ")) + maskPasswords(commandLine);
}

QString prepareLaunchLog(const QString& path, const CommandLine& commandLine)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo::exists(folder)) {
        QDir().mkpath(folder);
        QFile::setPermissions(
            folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    if (std::optional<QString> refusal = refusedWriteTarget(path))
        return *refusal;
    const QByteArray line = (launchLogHeader(QDateTime::currentDateTime(), commandLine) + u'\n').toUtf8();
    // Unbuffered, so that a full disk fails the write itself.
    QFile file(path);
    const bool created = file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered);
    // Only a file this program just created is made owner-only: the user may
    // have chosen other permissions for an existing one.
    if (created)
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    else if (!file.open(
                 (file.size() + line.size() > kLaunchLogLimit ? QIODevice::WriteOnly | QIODevice::Truncate
                                                              : QIODevice::Append)
                 | QIODevice::Unbuffered))
        return file.errorString();
    return file.write(line) == line.size() ? QString() : file.errorString();
}

qint64 launchLogSize(const QString& path)
{
    return QFileInfo(path).size();
}

QString lastLogLines(const QString& path, qint64 offset, int count)
{
    constexpr qint64 kTail = 64 * 1024;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    file.seek(std::max<qint64>(offset > file.size() ? 0 : offset, file.size() - kTail));
    QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    return lines.mid(std::max<qsizetype>(0, lines.size() - count)).join(u'\n');
}
