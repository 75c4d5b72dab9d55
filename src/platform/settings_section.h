#pragma once

#include <QSettings>
#include <QString>
#include <memory>

// The per-OS part of the settings backing: where one section lives and how it
// is protected. One implementation per OS, chosen by the build.

std::unique_ptr<QSettings> openSettingsSection(
    const QString& configRoot, const QString& application, const QString& section);

// Called before every write: makes sure the section can be written and that
// nobody but the current user can read it.
void prepareSettingsSectionForWrite(const QSettings& settings);

// Called after every write.
void protectSettingsSection(const QSettings& settings);

// The folder of the user's own files beside the settings (the launch logs):
// beside the section files where they are files, in the user's application
// data where the settings are in the registry.
QString settingsFolder(const QString& configRoot, const QString& application);
