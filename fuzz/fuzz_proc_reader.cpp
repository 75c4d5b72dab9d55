// The Linux process query reads /proc files that other programs fill: process names with ')', blanks and line
// ends, files cut short, links of any length. Each input builds a small fake /proc folder (pid folders with
// stat, comm and cmdline files and exe links, each possibly missing, plus the kernel thread list and the
// uptime) and counts up to three names in it, twice. No count exceeds the pid folders, and the second look,
// which reuses what the first one learned, finds the same counts in the unchanged folder.
#include "platform/process_query_linux.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

const fs::path& procRoot()
{
    static const fs::path root = [] {
        std::string pattern = (fs::temp_directory_path() / "quorlin-fuzz-proc-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        return fs::path(pattern) / "proc";
    }();
    return root;
}

// Up to 5000 bytes, beyond the reader's 4096-byte buffer.
std::string content(FuzzedDataProvider& input)
{
    return input.ConsumeRandomLengthString(5000);
}

void writeFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A folder name: mostly a pid, sometimes any text a folder can be named.
std::string entryName(FuzzedDataProvider& input)
{
    if (input.ConsumeIntegralInRange(0, 7) != 0)
        return std::to_string(input.ConsumeIntegralInRange(1, 4194304));
    std::string name = input.ConsumeRandomLengthString(32);
    for (char& c : name)
        if (c == '/' || c == '\0')
            c = '_';
    return name.empty() || name == "." || name == ".." ? std::string("self") : name;
}

// The exe entry: missing, a link to any target, a plain file or a folder.
void makeExe(FuzzedDataProvider& input, const fs::path& path)
{
    switch (input.ConsumeIntegralInRange(0, 3)) {
    case 1: {
        std::string target = content(input);
        for (char& c : target)
            if (c == '\0')
                c = '/';
        std::error_code ignored; // an empty or too long target makes no link
        fs::create_symlink(target, path, ignored);
        break;
    }
    case 2:
        writeFile(path, content(input));
        break;
    case 3:
        fs::create_directory(path);
        break;
    default:
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const fs::path& root = procRoot();
    fs::remove_all(root);
    fs::create_directories(root);

    QStringList wanted;
    for (int i = input.ConsumeIntegralInRange(1, 3); i > 0; --i) {
        const std::string name = input.ConsumeRandomLengthString(64);
        wanted += QString::fromUtf8(name.data(), qsizetype(name.size()));
    }
    if (input.ConsumeBool()) {
        fs::create_directories(root / "2/task/2");
        writeFile(root / "2/task/2/children", content(input));
    }
    int entries = 0;
    const int count = input.ConsumeIntegralInRange(0, 6);
    for (int i = 0; i < count; ++i) {
        const fs::path dir = root / entryName(input);
        std::error_code failed;
        if (!fs::create_directory(dir, failed)) // a name given twice: the first one stays
            continue;
        ++entries;
        makeExe(input, dir / "exe");
        for (const char* file : { "stat", "comm", "cmdline" })
            if (input.ConsumeBool())
                writeFile(dir / file, content(input));
    }
    if (input.ConsumeBool())
        writeFile(root / "uptime", content(input));

    LinuxProcessQuery query(QByteArray::fromStdString(root.string()));
    const std::optional<QList<int>> found = query.countProcesses(wanted);
    if (!found || found->size() != wanted.size())
        std::abort();
    for (const int count : *found)
        if (count < 0 || count > entries + 1)
            std::abort();
    if (query.countProcesses(wanted) != found)
        std::abort();
    return 0;
}
