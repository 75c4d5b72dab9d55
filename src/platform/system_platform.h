#pragma once

#include "platform.h"

#include <memory>

// The services of the OS the program runs on.
std::unique_ptr<ProcessLauncher> createSystemProcessLauncher();
std::unique_ptr<ProcessQuery> createSystemProcessQuery();
std::unique_ptr<WindowStacking> createSystemWindowStacking();
std::unique_ptr<SecureRandom> createSystemSecureRandom();

// Owns the real services and hands them to the windows as one Platform.
class SystemPlatform {
public:
    SystemPlatform();
    ~SystemPlatform();

    Platform platform();

private:
    std::unique_ptr<SettingsBacking> m_settings;
    std::unique_ptr<ProcessLauncher> m_launcher;
    std::unique_ptr<ProcessQuery> m_processes;
    std::unique_ptr<WindowStacking> m_stacking;
    std::unique_ptr<Dialogs> m_dialogs;
    std::unique_ptr<ProcessRunner> m_runner;
    std::unique_ptr<ProgramHelpReader> m_programHelp;
    std::unique_ptr<SecureRandom> m_random;
};
