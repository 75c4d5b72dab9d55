#pragma once

#include <QString>

// Where the per-user store keeps one section.

// Linux and other POSIX desktops: one INI file per section,
// <configRoot>/<application>/<section>.ini.
QString iniSectionFilePath(const QString& configRoot, const QString& application, const QString& section);

// The configuration root of the current user: $XDG_CONFIG_HOME, or ~/.config
// when it is unset or empty.
QString userConfigRoot();

// Windows: the registry key under which the Visual Basic runtime's settings
// functions keep their values, so existing configurations carry over.
QString registrySectionKey(const QString& application, const QString& section);
