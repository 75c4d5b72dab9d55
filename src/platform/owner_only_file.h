#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Replaces the file at `path` with `bytes` in one step: a failed write, also
// on a full disk, leaves the earlier file byte for byte. The file is readable
// by its owner only where the file system keeps Unix permissions; where it
// keeps none (FAT, exFAT) it is written all the same. Only the user's own
// regular file is replaced: a link or another user's file at the path is
// refused before anything is written. Returns nothing on success, otherwise
// the reason.
std::optional<QString> writeOwnerOnlyFile(const QString& path, const QByteArray& bytes);

// Why the file at `path` must not be replaced (a link, a folder, not a
// regular file, another user's file), or nothing when it is absent or the user's own
// regular file. One implementation per OS.
std::optional<QString> refusedWriteTarget(const QString& path);
