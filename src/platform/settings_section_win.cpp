#include "settings_location.h"
#include "settings_section.h"

#include <QDir>
#include <QStandardPaths>

#include <windows.h>

// The registry key of the current user is already private to that user.
//
// Texts are read and written with the registry functions themselves, as REG_SZ
// values holding exactly the text, the way Visual Basic's settings functions
// keep them. QSettings would store a text that begins with "@" with a second
// "@" in front, and would read "@@...", "@Invalid()", "@ByteArray(...)" and the
// like, written by another program, as its own encodings of something else.

namespace {

// QSettings names a registry section "\HKEY_CURRENT_USER\<key below it>".
std::wstring keyBelowCurrentUser(const QSettings& settings)
{
    static const QString currentUser = QStringLiteral("\\HKEY_CURRENT_USER\\");
    return settings.fileName().mid(currentUser.size()).toStdWString();
}

} // namespace

std::unique_ptr<QSettings> openSettingsSection(
    const QString&, const QString& application, const QString& section)
{
    return std::make_unique<QSettings>(registrySectionKey(application, section), QSettings::NativeFormat);
}

std::optional<QString> unreadableSettingsSection(const QSettings&)
{
    return std::nullopt;
}

std::optional<QString> readSettingsValue(QSettings& settings, const QString& key)
{
    const std::wstring section = keyBelowCurrentUser(settings), name = key.toStdWString();
    std::wstring text;
    DWORD bytes = 0;
    LSTATUS status = ::RegGetValueW(
        HKEY_CURRENT_USER, section.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, nullptr, &bytes);
    // Another copy of the program may make the text longer between the calls.
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        text.resize(bytes / sizeof(wchar_t));
        status = ::RegGetValueW(
            HKEY_CURRENT_USER, section.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, text.data(), &bytes);
        if (status == ERROR_SUCCESS)
            return QString::fromWCharArray(text.c_str()); // up to the terminating NUL
    }
    // A value of another type (a number another program stored) reads as QSettings reads it.
    if (status == ERROR_UNSUPPORTED_TYPE)
        return settings.value(key).toString();
    return std::nullopt;
}

// Each value is written to the registry at once, creating the key when it is missing.
bool saveSettingsValue(QSettings& settings, const QString& key, const QString& value)
{
    const std::wstring section = keyBelowCurrentUser(settings), name = key.toStdWString();
    const std::wstring text = value.toStdWString();
    return ::RegSetKeyValueW(HKEY_CURRENT_USER, section.c_str(), name.c_str(), REG_SZ, text.c_str(),
               static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)))
        == ERROR_SUCCESS;
}

// Nothing is held: each value reached the registry when it was saved.
bool writeSettingsSection(QSettings&, const QSet<QString>&)
{
    return true;
}

QString settingsFolder(const QString&, const QString& application)
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(application);
}
