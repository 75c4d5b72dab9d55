#include "process_query_linux.h"

#include "proc_image_name.h"

#include <dirent.h>
#include <strings.h>

#include <QString>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <string_view>

namespace {

// A process is read on each of its first looks (one second at the watcher's
// pace), and every known process again once in so many looks (ten seconds).
constexpr unsigned kYoungLooks = 4;
constexpr unsigned kRefreshLooks = 40;

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

struct Entry {
    int pid;
    ino_t inode;
};

// The pid entries of the /proc folder, ascending; nullopt when the folder
// cannot be read to its end.
std::optional<std::vector<Entry>> readEntries(DIR* proc)
{
    std::vector<Entry> entries;
    errno = 0;
    while (const dirent* entry = ::readdir(proc)) {
        const std::string_view name(entry->d_name);
        int pid = 0;
        const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), pid);
        if (error == std::errc() && end == name.data() + name.size() && name.front() != '-')
            entries.push_back({ pid, entry->d_ino });
    }
    if (errno != 0)
        return std::nullopt;
    // procfs lists pids in ascending order already; a made-up folder may not.
    if (!std::is_sorted(entries.begin(), entries.end(), [](Entry a, Entry b) { return a.pid < b.pid; }))
        std::sort(entries.begin(), entries.end(), [](Entry a, Entry b) { return a.pid < b.pid; });
    return entries;
}

} // namespace

LinuxProcessQuery::LinuxProcessQuery(QByteArray procRoot)
    : m_procRoot(std::move(procRoot))
{
}

std::optional<QList<int>> LinuxProcessQuery::countProcesses(const QStringList& imageNames)
{
    DIR* proc = ::opendir(m_procRoot.constData());
    const std::optional<std::vector<Entry>> entries = proc ? readEntries(proc) : std::nullopt;
    if (!entries) {
        if (proc)
            ::closedir(proc);
        m_known.clear();
        return std::nullopt;
    }

    std::vector<WantedName> wanted;
    for (const QString& name : imageNames)
        wanted.push_back({ name });
    ++m_look;
    ProcImageNames names(::dirfd(proc));
    QList<int> counts(imageNames.size(), 0);
    m_next.clear();
    auto known = m_known.begin();
    for (const Entry& entry : *entries) {
        known = std::find_if(known, m_known.end(), [&](const Known& k) { return k.pid >= entry.pid; });
        Known process = known != m_known.end() && known->pid == entry.pid && known->entry == entry.inode
            ? std::move(*known)
            : Known { entry.pid, entry.inode, m_look, std::nullopt };
        const bool young = m_look - process.firstLook < kYoungLooks;
        const bool inTurn = (static_cast<unsigned>(entry.pid) + m_look) % kRefreshLooks == 0;
        if (young || inTurn || isWanted(process.imageName, wanted)) {
            char pid[16] {};
            std::to_chars(pid, pid + sizeof pid - 1, entry.pid);
            process.imageName = names.read(pid);
        }
        for (qsizetype i = 0; i < counts.size(); ++i)
            counts[i]
                += process.imageName && sameImageName(*process.imageName, wanted[static_cast<size_t>(i)]) ? 1
                                                                                                          : 0;
        m_next.push_back(std::move(process));
    }
    ::closedir(proc);
    std::swap(m_known, m_next);
    return counts;
}
