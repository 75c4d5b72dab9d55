#include "proc_image_name.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <string_view>

namespace {

constexpr std::string_view kDeletedSuffix = " (deleted)";

// The flag that marks a kernel thread in the flags field of /proc/<pid>/stat.
constexpr unsigned long kKernelThreadFlag = 0x00200000;

// Room for the contents of one small /proc file.
using Buffer = std::array<char, 4096>;

// A path below the /proc folder: "<pid>/<file>".
class ProcPath {
public:
    const char* of(std::string_view pid, std::string_view file)
    {
        if (pid.size() + 1 + file.size() >= m_text.size())
            return "";
        char* end = std::copy(pid.begin(), pid.end(), m_text.data());
        *end++ = '/';
        end = std::copy(file.begin(), file.end(), end);
        *end = '\0';
        return m_text.data();
    }

private:
    std::array<char, sizeof(dirent::d_name) + 32> m_text {};
};

std::string_view fileNameOf(std::string_view path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// Reads a small file below the open /proc folder; -1 when it is gone.
ssize_t readSmallFile(int procFd, const char* path, Buffer& buffer)
{
    const int fd = ::openat(procFd, path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    const ssize_t n = ::read(fd, buffer.data(), buffer.size());
    ::close(fd);
    return n;
}

std::optional<int> toPid(std::string_view text)
{
    int pid = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), pid);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return pid;
}

// The kernel threads, named without reading a file of each: kthreadd (pid 2)
// and the threads it starts, which are all the others. The list is only a
// shortcut; a thread it misses is recognised by its flags further on.
std::vector<int> readKernelThreads(int procFd)
{
    constexpr int kThreadDaemon = 2;
    Buffer buffer;
    ProcPath path;
    const ssize_t n = readSmallFile(procFd, path.of("2/task/2", "children"), buffer);
    std::string_view list(buffer.data(), n > 0 ? static_cast<size_t>(n) : 0);
    if (list.size() == buffer.size()) // cut short: the last number may be part of one
        list = list.substr(0, list.rfind(' ') == std::string_view::npos ? 0 : list.rfind(' '));
    std::vector<int> pids;
    if (!list.empty())
        pids.push_back(kThreadDaemon);
    while (!list.empty()) {
        const size_t blank = std::min(list.find(' '), list.size());
        if (const std::optional<int> pid = toPid(list.substr(0, blank)))
            pids.push_back(*pid);
        list.remove_prefix(std::min(blank + 1, list.size()));
    }
    std::sort(pids.begin(), pids.end());
    return pids;
}

// Whether a process from /proc/<pid>/stat, "pid (comm) S ppid pgrp session
// tty_nr tpgid flags ...", can carry an image name: false for zombies, kernel
// threads and a process that is gone. The state follows the last ')', since
// comm may hold ')'.
bool mayHaveImageName(int procFd, std::string_view pid, Buffer& buffer)
{
    ProcPath path;
    const ssize_t n = readSmallFile(procFd, path.of(pid, "stat"), buffer);
    if (n <= 0)
        return false;
    std::string_view stat(buffer.data(), static_cast<size_t>(n));
    const size_t close = stat.rfind(')');
    if (close == std::string_view::npos || close + 2 >= stat.size() || stat[close + 2] == 'Z')
        return false;
    stat.remove_prefix(close + 2);
    for (int field = 0; field < 6 && !stat.empty(); ++field) // state ppid pgrp session tty_nr tpgid
        stat.remove_prefix(std::min(stat.find(' ') + 1, stat.size()));
    unsigned long flags = 0;
    std::from_chars(stat.data(), stat.data() + stat.size(), flags);
    return (flags & kKernelThreadFlag) == 0;
}

} // namespace

ProcImageNames::ProcImageNames(int procFd)
    : m_procFd(procFd)
{
}

bool ProcImageNames::isKernelThread(int pid)
{
    if (!m_kernelThreads)
        m_kernelThreads = readKernelThreads(m_procFd);
    return std::binary_search(m_kernelThreads->begin(), m_kernelThreads->end(), pid);
}

std::optional<std::string> ProcImageNames::read(const char* pidText)
{
    const std::string_view pid(pidText);
    Buffer buffer;
    ProcPath path;
    const ssize_t linkLength = ::readlinkat(m_procFd, path.of(pid, "exe"), buffer.data(), buffer.size());
    if (linkLength > 0) {
        std::string_view target(buffer.data(), static_cast<size_t>(linkLength));
        if (target.ends_with(kDeletedSuffix))
            target.remove_suffix(kDeletedSuffix.size());
        return std::string(fileNameOf(target));
    }
    // Kernel threads have no executable link; they make up about half the
    // list on a desktop, so they are passed over without reading more.
    if (linkLength < 0 && errno == ENOENT && isKernelThread(toPid(pid).value_or(0)))
        return std::nullopt;

    // A zombie has no executable and an empty command line, so the stat file
    // needs reading only on this slower path.
    const ssize_t cmdLength = readSmallFile(m_procFd, path.of(pid, "cmdline"), buffer);
    if (cmdLength > 0) {
        const std::string_view argv0(buffer.data(), ::strnlen(buffer.data(), static_cast<size_t>(cmdLength)));
        if (!argv0.empty())
            return std::string(fileNameOf(argv0));
    }
    if (cmdLength < 0 || !mayHaveImageName(m_procFd, pid, buffer))
        return std::nullopt;
    const ssize_t commLength = readSmallFile(m_procFd, path.of(pid, "comm"), buffer);
    if (commLength <= 0)
        return std::nullopt;
    std::string_view comm(buffer.data(), static_cast<size_t>(commLength));
    if (comm.ends_with('\n'))
        comm.remove_suffix(1);
    return std::string(comm);
}
