#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>

// The image names of the node's three programs, as configured; an empty name
// means the program is not configured.
struct WatchedNames {
    QString qt;
    QString daemon;
    QString cli;
};

// Whether a process of each configured name runs at this tick.
struct RunningPrograms {
    bool qt = false;
    bool daemon = false;
    bool cli = false;
};

// What one status box shows: its background (0x00BBGGRR) and its tooltip.
struct StatusLook {
    quint32 backBgr = 0;
    QString toolTip;

    bool operator==(const StatusLook&) const = default;
};

// What one watcher tick shows. nullopt leaves a control as it was.
struct WatcherView {
    std::array<std::optional<StatusLook>, 3> boxes; // Qt, daemon, CLI
    std::optional<bool> cliStopEnabled;
    std::optional<bool> startButtonsEnabled; // the Qt and daemon start buttons alike

    bool operator==(const WatcherView&) const = default;
};

// A box shows green and "<name> - ... RUNNING", or red and "... STOPPED", when
// its name is configured. CLI "STOP" is enabled exactly when no client runs
// (CLI name configured); the start buttons exactly when neither the wallet nor
// the daemon runs, and only when the daemon name is configured.
WatcherView decideWatcherView(const WatchedNames& names, const RunningPrograms& running);
