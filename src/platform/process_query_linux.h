#pragma once

#include "process_query.h"

#include <dirent.h>
#include <sys/types.h>

#include <QByteArray>

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The pid an entry of the /proc folder names, or nullopt when the entry is
// not a process's folder ("self", "cpuinfo", ...).
std::optional<int> procEntryPid(std::string_view name);

// Counts processes by reading /proc (ProcImageNames says how a process's
// image name is found). Zombies and kernel threads, which run no program, do
// not count; a process that ends during the look is skipped. A group left out
// is a process group, named by its id (the pid of its leader); a process's
// group is read afresh whenever it would count.
//
// A look keeps the image names it learned from the ones before, so
// a process already known costs no read of its own. A known process is read
// again when the entry of its pid is a new one (the pid was reused: procfs
// gives each process's folder a fresh inode number), at every look during its
// first minute by its start time (a wrapper that waits, then execs the node
// program, shows at the next look), when its name is one of the names asked
// (so that its exit into a zombie or an exec away shows at once), and now and
// then in turn (a later exec is seen within about ten seconds).
//
// The whole folder is read every ten seconds, and whenever the pids handed
// out since the last look are unknown. Where /proc is this program's own (its
// "self" is this pid), the last pid the kernel handed out (/proc/loadavg) tells
// them: a process that starts takes a new pid, so the pids between the last
// look's last pid and this one are probed one by one, and when none was
// handed out, no process started. The kernel hands out a pid a moment before
// its process shows, so a pid whose folder is missing is probed again at the
// looks of the next second. Processes that end are found by the reads
// above where they matter. When the last look is more than a second old (the
// counter may have come round) or many pids were handed out, or /proc belongs
// to another pid namespace, the folder is read.
class LinuxProcessQuery final : public ProcessQuery {
public:
    explicit LinuxProcessQuery(QByteArray procRoot = QByteArrayLiteral("/proc"));

    std::optional<QList<int>> countProcesses(
        const QStringList& imageNames, const QList<qint64>& skippedGroups = {}) override;

    // A pid's folder in /proc.
    struct Entry {
        int pid;
        ino_t inode;
    };

private:
    // The processes of this look, ascending pids; nullopt when /proc cannot be read.
    std::optional<std::vector<Entry>> readEntries(DIR* proc);
    std::vector<Entry> probeNewPids(int procFd, long lastPid, std::chrono::steady_clock::time_point now);

    struct Known {
        int pid = 0;
        ino_t entry = 0; // the inode number of /proc/<pid> when it was read
        std::optional<double> started; // seconds after boot
        std::optional<std::string> imageName; // none: runs no program
    };

    QByteArray m_procRoot;
    bool m_ownNamespace;
    std::vector<Known> m_known; // ascending pids
    std::vector<Known> m_next;
    unsigned m_look = 0;
    std::optional<long> m_lastPid;
    struct Unshown {
        long pid;
        std::chrono::steady_clock::time_point handedOut; // seen handed out
    };
    std::vector<Unshown> m_unshown; // pids handed out whose folders were missing
    unsigned m_looksSinceWholeRead = 0;
    std::chrono::steady_clock::time_point m_lastLook;
};
