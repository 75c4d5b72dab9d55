#include "process_query_linux.h"

#include "proc_image_name.h"

#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QString>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

std::optional<int> procEntryPid(std::string_view name)
{
    int pid = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), pid);
    if (name.empty() || error != std::errc() || end != name.data() + name.size() || name.front() == '-')
        return std::nullopt;
    return pid;
}

namespace {

// A process is read at every look during its first minute, when a wrapper
// that execs the node program usually does so, and every known process again
// once in so many looks (ten seconds at the watcher's pace).
constexpr double kYoungSeconds = 60;
constexpr unsigned kRefreshLooks = 40;

// The longest time between two looks over which the last pid still tells
// which pids are new (the pid counter could wrap in a longer one), and the
// most new pids probed one by one instead of reading the whole folder.
constexpr std::chrono::seconds kLastPidValidity { 1 };
constexpr long kMostProbes = 64;

// The kernel hands out a pid a moment before its process shows in /proc; a
// pid whose folder is missing is probed again at the looks of this time.
constexpr std::chrono::seconds kShowingTime { 1 };

bool isAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// A name looked for, prepared once per look.
struct WantedName {
    QString text;
    QByteArray utf8 = text.toUtf8();
    bool ascii = isAscii(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
};

// Letter case is ignored. ASCII names, the usual case, compare without
// building a QString.
bool sameImageName(std::string_view found, const WantedName& wanted)
{
    if (found.size() == static_cast<size_t>(wanted.utf8.size())
        && ::strncasecmp(found.data(), wanted.utf8.constData(), found.size()) == 0)
        return true;
    if (wanted.ascii && isAscii(found))
        return false;
    return QString::fromUtf8(found.data(), static_cast<qsizetype>(found.size()))
               .compare(wanted.text, Qt::CaseInsensitive)
        == 0;
}

bool isWanted(const std::optional<std::string>& name, const std::vector<WantedName>& wanted)
{
    return name && std::any_of(wanted.begin(), wanted.end(), [&](const WantedName& w) {
        return sameImageName(*name, w);
    });
}

using Entry = LinuxProcessQuery::Entry;

// The pid entries of the /proc folder, ascending; nullopt when the folder
// cannot be read to its end.
std::optional<std::vector<Entry>> readFolder(DIR* proc)
{
    std::vector<Entry> entries;
    errno = 0;
    while (const dirent* entry = ::readdir(proc)) {
        if (const std::optional<int> pid = procEntryPid(entry->d_name))
            entries.push_back({ *pid, entry->d_ino });
    }
    if (errno != 0)
        return std::nullopt;
    // procfs lists pids in ascending order already; a made-up folder may not.
    if (!std::is_sorted(entries.begin(), entries.end(), [](Entry a, Entry b) { return a.pid < b.pid; }))
        std::sort(entries.begin(), entries.end(), [](Entry a, Entry b) { return a.pid < b.pid; });
    return entries;
}

// The start of a small file below /proc, read into `buffer`: empty when it
// cannot be read.
template <size_t N> std::string_view readProcText(int procFd, const char* path, char (&buffer)[N])
{
    const int fd = ::openat(procFd, path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    const ssize_t n = ::read(fd, buffer, N);
    ::close(fd);
    return std::string_view(buffer, n > 0 ? static_cast<size_t>(n) : 0);
}

// The last pid handed out in this program's pid namespace, the last field of
// "loadavg"; nullopt when it cannot be read.
std::optional<long> readLastPid(int procFd)
{
    char text[128];
    std::string_view line = readProcText(procFd, "loadavg", text);
    while (line.ends_with('\n'))
        line.remove_suffix(1);
    line.remove_prefix(std::min(line.rfind(' ') + 1, line.size()));
    long pid = 0;
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), pid);
    if (line.empty() || error != std::errc() || end != line.data() + line.size())
        return std::nullopt;
    return pid;
}

// The seconds since boot that "uptime" gives first; nullopt when it cannot be read.
std::optional<double> readUptime(int procFd)
{
    char text[128];
    const std::string_view line = readProcText(procFd, "uptime", text);
    double seconds = 0;
    if (std::from_chars(line.data(), line.data() + line.size(), seconds).ec != std::errc())
        return std::nullopt;
    return seconds;
}

// A field of "<pid>/stat", "pid (comm) S ppid pgrp ...", counted from the
// state (0) that follows the last ')', since comm may hold ')' and blanks;
// empty when it cannot be read. It is a view into `buffer`.
template <size_t N> std::string_view readStatField(int procFd, const char* pid, int field, char (&buffer)[N])
{
    char path[32] {};
    std::copy_n("/stat", sizeof "/stat", std::copy(pid, pid + ::strnlen(pid, 16), path));
    std::string_view stat = readProcText(procFd, path, buffer);
    const size_t close = stat.rfind(')');
    stat.remove_prefix(close == std::string_view::npos ? stat.size() : std::min(close + 2, stat.size()));
    for (int skipped = 0; skipped < field; ++skipped) {
        const size_t blank = stat.find(' ');
        stat = blank == std::string_view::npos ? std::string_view() : stat.substr(blank + 1);
    }
    return stat.substr(0, stat.find(' '));
}

// The seconds after boot at which a process started, in clock ticks in the
// stat field after itrealvalue; nullopt when it cannot be read.
std::optional<double> readStartTime(int procFd, const char* pid)
{
    char text[1024];
    constexpr int kStartField = 19;
    const std::string_view field = readStatField(procFd, pid, kStartField, text);
    unsigned long long ticks = 0;
    if (std::from_chars(field.data(), field.data() + field.size(), ticks).ec != std::errc())
        return std::nullopt;
    static const long ticksPerSecond = ::sysconf(_SC_CLK_TCK);
    return static_cast<double>(ticks) / static_cast<double>(ticksPerSecond);
}

// The id of a process's process group; nullopt when it cannot be read.
std::optional<qint64> readProcessGroup(int procFd, const char* pid)
{
    char text[1024];
    constexpr int kGroupField = 2;
    const std::string_view field = readStatField(procFd, pid, kGroupField, text);
    qint64 group = 0;
    if (std::from_chars(field.data(), field.data() + field.size(), group).ec != std::errc())
        return std::nullopt;
    return group;
}

// What /proc/<pid> holds: the entry of a process that still runs, not one
// thread of another (threads take their ids from the same counter and can be
// looked up, though the folder does not list them); `shown` is false where
// the folder is missing.
struct Probe {
    bool shown = false;
    std::optional<Entry> process;
};

Probe probeProcess(int procFd, long pid)
{
    char path[48] {};
    char* end = std::to_chars(path, path + 24, pid).ptr;
    struct stat folder { };
    if (::fstatat(procFd, path, &folder, 0) != 0)
        return {};
    std::copy_n("/status", sizeof "/status", end);
    const int fd = ::openat(procFd, path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return { true, std::nullopt };
    char text[1024];
    const ssize_t n = ::read(fd, text, sizeof text);
    ::close(fd);
    const std::string_view status(text, n > 0 ? static_cast<size_t>(n) : 0);
    constexpr std::string_view kTgid = "\nTgid:\t";
    const size_t at = status.find(kTgid);
    long tgid = 0;
    if (at == std::string_view::npos
        || std::from_chars(status.data() + at + kTgid.size(), status.data() + status.size(), tgid).ec
            != std::errc()
        || tgid != pid)
        return { true, std::nullopt };
    return { true, Entry { static_cast<int>(pid), folder.st_ino } };
}

bool isOwnNamespace(const QByteArray& procRoot)
{
    char self[32] {};
    const ssize_t n = ::readlink((procRoot + "/self").constData(), self, sizeof self - 1);
    return n > 0 && std::string_view(self, static_cast<size_t>(n)) == std::to_string(::getpid());
}

} // namespace

LinuxProcessQuery::LinuxProcessQuery(QByteArray procRoot)
    : m_procRoot(std::move(procRoot))
    , m_ownNamespace(isOwnNamespace(m_procRoot))
{
}

std::optional<std::vector<Entry>> LinuxProcessQuery::readEntries(DIR* proc)
{
    const auto now = std::chrono::steady_clock::now();
    const std::optional<long> lastPid = m_ownNamespace ? readLastPid(::dirfd(proc)) : std::nullopt;
    const bool lastPidTells = lastPid && m_lastPid && *lastPid >= *m_lastPid
        && *lastPid - *m_lastPid <= kMostProbes && now - m_lastLook <= kLastPidValidity
        && m_looksSinceWholeRead < kRefreshLooks;
    std::optional<std::vector<Entry>> entries;
    if (lastPidTells) {
        entries = probeNewPids(::dirfd(proc), *lastPid, now);
        ++m_looksSinceWholeRead;
    } else {
        // Now and then the whole folder, which also drops the processes that ended.
        entries = readFolder(proc);
        m_looksSinceWholeRead = 0;
        m_unshown.clear();
    }
    m_lastPid = entries ? lastPid : std::nullopt;
    m_lastLook = now;
    return entries;
}

// The known processes and those of the pids handed out since the last look,
// or before it while their folders were missing; a known pid handed out again
// belongs to a new process or to none.
std::vector<Entry> LinuxProcessQuery::probeNewPids(
    int procFd, long lastPid, std::chrono::steady_clock::time_point now)
{
    std::vector<Entry> entries;
    for (const Known& known : m_known)
        entries.push_back({ known.pid, known.entry });
    std::vector<Unshown> pids = std::exchange(m_unshown, {});
    for (long pid = *m_lastPid + 1; pid <= lastPid; ++pid)
        pids.push_back({ pid, now });
    for (const Unshown& pid : pids) {
        const auto at = std::lower_bound(
            entries.begin(), entries.end(), pid.pid, [](Entry e, long p) { return e.pid < p; });
        const Probe probe = probeProcess(procFd, pid.pid);
        if (!probe.shown && now - pid.handedOut < kShowingTime)
            m_unshown.push_back(pid);
        if (at != entries.end() && at->pid == pid.pid) {
            if (probe.process)
                *at = *probe.process;
            else
                entries.erase(at);
        } else if (probe.process) {
            entries.insert(at, *probe.process);
        }
    }
    return entries;
}

std::optional<QList<int>> LinuxProcessQuery::countProcesses(
    const QStringList& imageNames, const QList<qint64>& skippedGroups)
{
    DIR* proc = ::opendir(m_procRoot.constData());
    if (!proc) {
        m_known.clear();
        return std::nullopt;
    }
    const std::optional<std::vector<Entry>> entries = readEntries(proc);
    if (!entries) {
        ::closedir(proc);
        m_known.clear();
        return std::nullopt;
    }

    std::vector<WantedName> wanted;
    for (const QString& name : imageNames)
        wanted.push_back({ name });
    ++m_look;
    const std::optional<double> uptime = readUptime(::dirfd(proc));
    ProcImageNames names(::dirfd(proc));
    QList<int> counts(imageNames.size(), 0);
    m_next.clear();
    auto known = m_known.begin();
    for (const Entry& entry : *entries) {
        known = std::find_if(known, m_known.end(), [&](const Known& k) { return k.pid >= entry.pid; });
        char pid[16] {};
        std::to_chars(pid, pid + sizeof pid - 1, entry.pid);
        const bool isNew = known == m_known.end() || known->pid != entry.pid || known->entry != entry.inode;
        Known process = isNew
            ? Known { entry.pid, entry.inode, readStartTime(::dirfd(proc), pid), std::nullopt }
            : std::move(*known);
        // A young process that runs no program (a zombie, a kernel thread or
        // one that ended) never execs one, so youth alone does not read it.
        const bool young
            = process.imageName && uptime && process.started && *uptime - *process.started < kYoungSeconds;
        const bool inTurn = (static_cast<unsigned>(entry.pid) + m_look) % kRefreshLooks == 0;
        if (isNew || young || inTurn || isWanted(process.imageName, wanted))
            process.imageName = names.read(pid);
        // A process may change its group at any time; only one that would
        // count is asked for it.
        const bool skipped = !skippedGroups.isEmpty() && isWanted(process.imageName, wanted)
            && (skippedGroups.contains(entry.pid)
                || skippedGroups.contains(readProcessGroup(::dirfd(proc), pid).value_or(0)));
        for (size_t i = 0; i < wanted.size() && !skipped; ++i)
            if (process.imageName && sameImageName(*process.imageName, wanted[i]))
                ++counts[static_cast<qsizetype>(i)];
        m_next.push_back(std::move(process));
    }
    ::closedir(proc);
    std::swap(m_known, m_next);
    return counts;
}
