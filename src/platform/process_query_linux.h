#pragma once

#include "process_query.h"

#include <sys/types.h>

#include <QByteArray>

#include <optional>
#include <string>
#include <vector>

// Counts processes by reading /proc (ProcImageNames says how a process's
// image name is found). Zombies and kernel threads, which run no program, do
// not count; a process that ends during the look is skipped.
//
// A look reads the /proc folder once and keeps the image names it learned, so
// a process already known costs no read of its own. A known process is read
// again when the entry of its pid is a new one (the pid was reused: procfs
// gives each process's folder a fresh inode number), while it is young (a
// program that forks and then execs another), when its name is one of the
// names asked (so that its exit into a zombie or an exec away shows at once),
// and now and then in turn (a late exec is seen within about ten seconds).
class LinuxProcessQuery final : public ProcessQuery {
public:
    explicit LinuxProcessQuery(QByteArray procRoot = QByteArrayLiteral("/proc"));

    std::optional<QList<int>> countProcesses(const QStringList& imageNames) override;

private:
    struct Known {
        int pid = 0;
        ino_t entry = 0; // the inode number of /proc/<pid> when it was read
        unsigned firstLook = 0;
        std::optional<std::string> imageName; // none: runs no program
    };

    QByteArray m_procRoot;
    std::vector<Known> m_known; // ascending pids
    std::vector<Known> m_next;
    unsigned m_look = 0;
};
