// How long after an exec the Linux process query counts the new program, at
// the watcher's pace of one look every 250 ms. A shell waits, notes the time
// and execs a copy of sleep under a name of its own: two seconds after it
// starts (the wrapper of a node program), and after its first minute. The
// waits of the runs differ by a tenth of a look, so the execs fall at every
// point between two looks.
//
//   bench_exec_latency [runs] [late runs]     (defaults 10 and 1)

#include "platform/process_query_linux.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::system_clock;
constexpr std::chrono::milliseconds kTick { 250 };

// Milliseconds from the exec to the first look that counts the program,
// looking every tick from before the shell starts; -1 when it never shows.
long execLatency(
    LinuxProcessQuery& query, const std::filesystem::path& program, std::chrono::milliseconds wait)
{
    const std::filesystem::path stamp = program.parent_path() / "exec-time";
    std::filesystem::remove(stamp);
    std::string script = "sleep " + std::to_string(wait.count() / 1000.0) + "; date +%s%N >" + stamp.string()
        + "; exec " + program.string() + " 30";
    char sh[] = "sh";
    char dashC[] = "-c";
    char* const argv[] = { sh, dashC, script.data(), nullptr };
    pid_t shell = -1;
    if (::posix_spawn(&shell, "/bin/sh", nullptr, nullptr, argv, environ) != 0)
        return -1;
    const QStringList names { QString::fromStdString(program.filename().string()) };
    auto look = Clock::now();
    const auto deadline = look + wait + std::chrono::seconds(30);
    while (query.countProcesses(names).value_or(QList { 0 }) == QList { 0 } && look < deadline) {
        look += kTick;
        std::this_thread::sleep_until(look);
    }
    const auto seen = Clock::now();
    ::kill(shell, SIGKILL);
    ::waitpid(shell, nullptr, 0);
    long long execNs = 0;
    if (!(std::ifstream(stamp) >> execNs))
        return -1;
    return static_cast<long>(
        (seen.time_since_epoch() - std::chrono::nanoseconds(execNs)) / std::chrono::milliseconds(1));
}

void report(const char* what, std::vector<long> latencies)
{
    std::sort(latencies.begin(), latencies.end());
    std::printf("%s:", what);
    for (const long ms : latencies)
        std::printf(" %ld", ms);
    if (!latencies.empty())
        std::printf("  (median %ld ms, most %ld ms)", latencies[latencies.size() / 2], latencies.back());
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 10;
    const int lateRuns = argc > 2 ? std::atoi(argv[2]) : 1;
    char folder[] = "/tmp/qrl-exec-latency-XXXXXX";
    if (!::mkdtemp(folder))
        return 1;
    const std::filesystem::path program = std::filesystem::path(folder) / "qrl-exec-probe";
    std::filesystem::copy_file("/bin/sleep", program);
    LinuxProcessQuery query;
    std::vector<long> early;
    std::vector<long> late;
    const auto spread = [](int run) { return run % 10 * kTick / 10; };
    for (int run = 0; run < runs; ++run)
        early.push_back(execLatency(query, program, std::chrono::seconds(2) + spread(run)));
    report("exec 2 s after start, ms from exec to counted", early);
    for (int run = 0; run < lateRuns; ++run)
        late.push_back(execLatency(query, program, std::chrono::seconds(65) + spread(run)));
    report("exec 65 s after start, ms from exec to counted", late);
    std::filesystem::remove_all(folder);
    return 0;
}
