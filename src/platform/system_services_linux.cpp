#include "process_launcher_posix.h"
#include "process_query_linux.h"
#include "system_platform.h"
#include "window_stacking_qt.h"

std::unique_ptr<ProcessLauncher> createSystemProcessLauncher()
{
    return std::make_unique<PosixProcessLauncher>();
}

std::unique_ptr<ProcessQuery> createSystemProcessQuery()
{
    return std::make_unique<LinuxProcessQuery>();
}

std::unique_ptr<WindowStacking> createSystemWindowStacking()
{
    return std::make_unique<QtWindowStacking>();
}
