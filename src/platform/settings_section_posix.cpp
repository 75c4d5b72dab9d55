#include "ini_lines.h"
#include "settings_location.h"
#include "settings_section.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::unique_ptr<QSettings> openSettingsSection(
    const QString& configRoot, const QString& application, const QString& section)
{
    return std::make_unique<QSettings>(
        iniSectionFilePath(configRoot, application, section), QSettings::IniFormat);
}

std::optional<QString> unreadableSettingsSection(const QSettings& settings)
{
    const int fd = ::open(QFile::encodeName(settings.fileName()).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        // A missing file, or a file where a folder should be: nothing is stored yet.
        if (errno == ENOENT || errno == ENOTDIR)
            return std::nullopt;
        return QString::fromLocal8Bit(std::strerror(errno));
    }
    struct stat status { };
    const bool folder = ::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode);
    ::close(fd);
    if (folder)
        return QString::fromLocal8Bit(std::strerror(EISDIR));
    return std::nullopt;
}

std::optional<QString> readSettingsValue(QSettings& settings, const QString& key)
{
    const QVariant value = settings.value(key);
    return value.isValid() ? std::optional(value.toString()) : std::nullopt;
}

bool saveSettingsValue(QSettings& settings, const QString& key, const QString& value)
{
    settings.setValue(key, value);
    return true;
}

bool writeSettingsSection(QSettings& settings, const QSet<QString>& changedKeys)
{
    const QByteArray file = QFile::encodeName(settings.fileName());
    const QString folder = QFileInfo(settings.fileName()).absolutePath();
    // Permissions change only on what is created here, never on a folder or
    // file the user made or set up.
    if (!QFileInfo::exists(folder) && QDir().mkpath(folder))
        QFile::setPermissions(
            folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    // A new file starts empty and owner-only; QSettings replaces it through a
    // new file that keeps its permissions.
    const int created = ::open(file.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (created >= 0)
        ::close(created);

    // QSettings' status stays set after any earlier error, also a read error,
    // so the file itself tells: a write that worked replaced it by a new one.
    struct stat before { };
    const bool existed = ::stat(file.constData(), &before) == 0;
    const QList<QByteArray> nonUtf8 = nonUtf8IniLines(settings.fileName());
    settings.sync();
    struct stat after { };
    const bool written = ::stat(file.constData(), &after) == 0
        && (!existed || after.st_ino != before.st_ino || after.st_dev != before.st_dev);
    if (written && !nonUtf8.isEmpty())
        restoreIniLines(settings.fileName(), nonUtf8, changedKeys);
    return written;
}

QString settingsFolder(const QString& configRoot, const QString& application)
{
    return QFileInfo(iniSectionFilePath(configRoot, application, QStringLiteral("x"))).absolutePath();
}
