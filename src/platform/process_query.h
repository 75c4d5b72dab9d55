#pragma once

#include <QString>
#include <optional>

// Counts the running processes of the local machine by image name.
class ProcessQuery {
public:
    virtual ~ProcessQuery() = default;

    // How many processes run under `imageName`, compared without regard to
    // letter case; nullopt when the process list cannot be read.
    virtual std::optional<int> countProcesses(const QString& imageName) = 0;
};
