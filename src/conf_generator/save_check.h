#pragma once

#include "platform/platform.h"

#include <QString>

class QWidget;

// Checks a ".conf" text against the configured daemon before it is written.
// With nothing found it returns true at once. Otherwise a dialog lists one
// line per finding and the program and version checked against (or why they
// were not), and returns true only for "Save anyway".
bool confirmConfSave(
    QWidget* owner, Platform& platform, const QString& daemonCommandLine, const QString& text);
