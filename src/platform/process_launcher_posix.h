#pragma once

#include "process_launcher.h"

// Starts the program of a command line detached, in its own session, with no
// shell in between. A hidden program gets no terminal: its standard streams go
// to the null device, or its output to the log when one is given.
class PosixProcessLauncher final : public ProcessLauncher {
public:
    LaunchResult launch(const QString& commandLine, WindowStyle style, const QString& outputLog) override;
};
