#pragma once

#include "bounded_log.h"
#include "process_launcher.h"

// Starts the program of a command line in a session and process group of its
// own, with no shell in between, and follows it (child_program.h). A hidden
// program gets no terminal: its standard streams go to the null device, or
// its output through a pipe into the log when one is given.
class PosixProcessLauncher final : public ProcessLauncher {
public:
    explicit PosixProcessLauncher(BoundedLog::Opener openLog = BoundedLog::openFile);
    LaunchResult launch(const CommandLine& commandLine, WindowStyle style, const QString& outputLog) override;

private:
    BoundedLog::Opener m_openLog;
};
