#pragma once

#include "conf_check.h"
#include "platform/command_line.h"
#include "platform/dialogs.h"
#include "platform/program_help.h"

#include <QList>
#include <QString>

#include <functional>

class QWidget;

// What the check before SAVE found in a ".conf" text, and the program and
// version it checked against (or why it could not).
struct SaveCheck {
    QList<ConfFinding> findings;
    QString source;
};

// Reads the text as the configured daemon will; `done` gets the check as
// readNodeOptions gets the daemon's options, at once or later.
void checkBeforeSave(ProgramHelpReader& help, const CommandLine& daemonLine, const QString& text,
    QObject* receiver, std::function<void(const SaveCheck&)> done);

// Whether a finding stops SAVE.
bool stopsSave(const SaveCheck& check);

// Without a finding that stops SAVE it returns true at once. Otherwise a
// dialog lists those findings, then the others, then the source, and returns
// true only for "Save anyway".
bool confirmConfSave(QWidget* owner, Dialogs& dialogs, const SaveCheck& check);

// The note on the findings that do not stop SAVE; empty when there are none.
QString saveNoteText(const SaveCheck& check);
