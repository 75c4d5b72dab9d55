#pragma once

#include <QChar>
#include <QString>

// The running executable's identity: its file name names the settings section
// and the default ".conf" file, its folder holds that file.
struct ExecutableIdentity {
    QString name; // file name without folder (and, on Windows, without extension)
    QString folder; // without a trailing separator, except at a root ("C:\", "/")
};

// The separator between a folder and a file name on this platform.
#ifdef _WIN32
inline constexpr QChar kPathSeparator = u'\\';
inline constexpr bool kExecutablesHaveExtension = true;
#else
inline constexpr QChar kPathSeparator = u'/';
inline constexpr bool kExecutablesHaveExtension = false;
#endif

// Splits a full path with `separator` between its parts. With
// `stripExtension`, the text after the last dot of the file name is dropped
// ("my.node.exe" gives "my.node").
ExecutableIdentity executableIdentityFromPath(const QString& path, QChar separator, bool stripExtension);

// The identity of the running program.
ExecutableIdentity currentExecutableIdentity();
