#pragma once

#include "dialogs.h"
#include "executable.h"
#include "process_launcher.h"
#include "process_query.h"
#include "process_runner.h"
#include "program_help.h"
#include "secure_random.h"
#include "settings_backing.h"
#include "window_stacking.h"

// Everything the windows ask of the operating system. Windows never call the
// OS themselves, so tests can hand them fakes.
struct Platform {
    SettingsBacking& settings;
    ProcessLauncher& launcher;
    ProcessQuery& processes;
    WindowStacking& stacking;
    Dialogs& dialogs;
    ExecutableIdentity executable;
    ProcessRunner& runner;
    QString settingsFolder; // where the launch logs go
    ProgramHelpReader& programHelp; // over `runner`, keeping the answers
    SecureRandom& random; // for secrets
};
