#pragma once

#include <QSet>
#include <QSettings>
#include <QString>
#include <memory>
#include <optional>

// The per-OS part of the settings backing: where one section lives, whether
// what is stored there can be read, and how a write reaches it. One
// implementation per OS, chosen by the build.

std::unique_ptr<QSettings> openSettingsSection(
    const QString& configRoot, const QString& application, const QString& section);

// Why the values stored for the section cannot be read, or nothing when they
// can or when nothing is stored yet.
std::optional<QString> unreadableSettingsSection(const QSettings& settings);

// The text stored under `key`, or nothing when none is stored.
std::optional<QString> readSettingsValue(QSettings& settings, const QString& key);

// Stores the text under `key`. Where the section is a file the change is held
// in `settings` until writeSettingsSection; elsewhere it is written at once.
// Returns whether the value reached the store or is held for it.
bool saveSettingsValue(QSettings& settings, const QString& key, const QString& value);

// Writes the section's held changes through, creating what is missing (nobody
// but the current user may read what is created). Keys other than
// `changedKeys`, whose values this program has changed, keep their stored
// bytes. Returns whether the changes reached the store.
bool writeSettingsSection(QSettings& settings, const QSet<QString>& changedKeys);

// The folder of the user's own files beside the settings (the launch logs):
// beside the section files where they are files, in the user's application
// data where the settings are in the registry.
QString settingsFolder(const QString& configRoot, const QString& application);
