#include "system_platform.h"

#include "process_runner_qprocess.h"
#include "qsettings_backing.h"
#include "qt_dialogs.h"
#include "settings_location.h"
#include "settings_section.h"

#include <QApplication>

SystemPlatform::SystemPlatform()
    : m_settings(std::make_unique<QSettingsBacking>(userConfigRoot(),
        [this](const QString& message) {
            m_dialogs->showError(QApplication::activeWindow(), QStringLiteral("QUORLIN"), message);
        }))
    , m_launcher(createSystemProcessLauncher())
    , m_processes(createSystemProcessQuery())
    , m_stacking(createSystemWindowStacking())
    , m_dialogs(std::make_unique<QtDialogs>())
    , m_runner(std::make_unique<QProcessRunner>())
    , m_programHelp(std::make_unique<ProgramHelpReader>(*m_runner))
    , m_random(createSystemSecureRandom())
{
}

SystemPlatform::~SystemPlatform() = default;

Platform SystemPlatform::platform()
{
    return { *m_settings, *m_launcher, *m_processes, *m_stacking, *m_dialogs, currentExecutableIdentity(),
        *m_runner, settingsFolder(userConfigRoot(), kApplicationName), *m_programHelp, *m_random };
}
