#pragma once

#include "platform/executable.h"

#include <QString>

#include <optional>

// Writes a ".conf" text to the configuration's default ".conf" file beside the
// executable: UTF-8, followed by one CR LF, owner-only where the file system
// keeps permissions. The earlier file is replaced in one step, so a failed
// write (a full disk too) leaves it whole; a link or another user's file at
// the path is refused. Returns nothing on success, otherwise a message that
// names the path and the reason.
std::optional<QString> writeConfFile(const ExecutableIdentity& executable, const QString& text);
