#pragma once

#include "process_query.h"

#include <QByteArray>

// Whether an entry of the /proc folder names a process: digits only.
bool isPid(const char* entry);

// Counts processes by reading /proc. A process's image name is the file name
// of its executable (/proc/<pid>/exe); where that link cannot be read (another
// user's process) the file name of argv[0], then the kernel's short name
// (comm, cut at 15 characters and renamed by some daemons while they shut
// down, so only the last resort). Zombies and kernel threads, which run no
// program, do not count; a process that ends during the scan is skipped.
class LinuxProcessQuery final : public ProcessQuery {
public:
    explicit LinuxProcessQuery(QByteArray procRoot = QByteArrayLiteral("/proc"));

    std::optional<int> countProcesses(const QString& imageName) override;

private:
    QByteArray m_procRoot;
};
