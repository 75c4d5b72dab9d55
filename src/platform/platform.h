#pragma once

#include "client_runner.h"
#include "dialogs.h"
#include "executable.h"
#include "process_launcher.h"
#include "process_query.h"
#include "program_runner.h"
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
    ClientRunner& clients;
    QString settingsFolder; // where the launch logs go
    ProgramRunner& programs;
    SecureRandom& random; // for secrets
};
