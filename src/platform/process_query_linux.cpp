#include "process_query_linux.h"

#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <unistd.h>

#include <QString>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kDeletedSuffix = " (deleted)";

std::string_view fileNameOf(std::string_view path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// Reads at most buffer.size() bytes of a small /proc file; -1 when it is gone.
ssize_t readSmallFile(const std::string& path, std::array<char, 4096>& buffer)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    const ssize_t n = ::read(fd, buffer.data(), buffer.size());
    ::close(fd);
    return n;
}

bool isZombie(const std::string& pidDir)
{
    std::array<char, 4096> buffer {};
    const ssize_t n = readSmallFile(pidDir + "/stat", buffer);
    if (n <= 0)
        return true; // gone: do not count it
    // "pid (comm) S ...": the state follows the last ')', since comm may hold ')'.
    const std::string_view stat(buffer.data(), static_cast<size_t>(n));
    const size_t close = stat.rfind(')');
    return close == std::string_view::npos || close + 2 >= stat.size() || stat[close + 2] == 'Z';
}

// The image name of one process, written into `name`; false when the process
// is gone or is a zombie.
bool readImageName(const std::string& pidDir, std::string& name)
{
    std::array<char, 4096> buffer {};
    const ssize_t linkLength = ::readlink((pidDir + "/exe").c_str(), buffer.data(), buffer.size());
    if (linkLength > 0) {
        std::string_view target(buffer.data(), static_cast<size_t>(linkLength));
        if (target.ends_with(kDeletedSuffix))
            target.remove_suffix(kDeletedSuffix.size());
        name = fileNameOf(target);
        return true;
    }

    // A zombie has no executable and an empty command line, so the stat file
    // needs reading only on this slower path.
    const ssize_t cmdLength = readSmallFile(pidDir + "/cmdline", buffer);
    if (cmdLength > 0) {
        const std::string_view argv0(buffer.data(), ::strnlen(buffer.data(), static_cast<size_t>(cmdLength)));
        if (!argv0.empty()) {
            name = fileNameOf(argv0);
            return true;
        }
    }
    if (cmdLength < 0 || isZombie(pidDir))
        return false;
    const ssize_t commLength = readSmallFile(pidDir + "/comm", buffer);
    if (commLength <= 0)
        return false;
    std::string_view comm(buffer.data(), static_cast<size_t>(commLength));
    if (comm.ends_with('\n'))
        comm.remove_suffix(1);
    name = comm;
    return true;
}

bool isAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The name looked for, prepared once per scan.
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

bool isPid(const char* entry)
{
    if (*entry == '\0')
        return false;
    for (; *entry; ++entry)
        if (*entry < '0' || *entry > '9')
            return false;
    return true;
}

} // namespace

LinuxProcessQuery::LinuxProcessQuery(QByteArray procRoot)
    : m_procRoot(std::move(procRoot))
{
}

std::optional<int> LinuxProcessQuery::countProcesses(const QString& imageName)
{
    const WantedName wanted { imageName };
    DIR* proc = ::opendir(m_procRoot.constData());
    if (!proc)
        return std::nullopt;

    int count = 0;
    std::string pidDir;
    std::string name;
    while (const dirent* entry = ::readdir(proc)) {
        if (!isPid(entry->d_name))
            continue;
        pidDir.assign(m_procRoot.constData(), static_cast<size_t>(m_procRoot.size()));
        pidDir += '/';
        pidDir += entry->d_name;
        if (readImageName(pidDir, name) && sameImageName(name, wanted))
            ++count;
    }
    ::closedir(proc);
    return count;
}
