// What it costs the watcher to ask whether a program runs: one check of the
// Linux process query and one watcher tick (five checks), beside one bare pass
// of readlink over /proc/*/exe, the least a scan of the process list can cost,
// and beside running `pgrep -x`, measured in the same run. Each load is
// measured as the machine is and again with 500 extra sleeping processes.

#include "platform/process_query_linux.h"

#include <benchmark/benchmark.h>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kExtraProcesses = 500;
const QString kDaemon = QStringLiteral("litecoind");

bool isPid(const char* name)
{
    if (*name == '\0')
        return false;
    for (; *name; ++name)
        if (*name < '0' || *name > '9')
            return false;
    return true;
}

int countProcessEntries()
{
    int count = 0;
    DIR* proc = ::opendir("/proc");
    while (const dirent* entry = ::readdir(proc))
        count += isPid(entry->d_name) ? 1 : 0;
    ::closedir(proc);
    return count;
}

pid_t spawn(const std::vector<const char*>& argv, bool quiet)
{
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    if (quiet)
        ::posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> args(argv.size() + 1, nullptr);
    std::transform(
        argv.begin(), argv.end(), args.begin(), [](const char* arg) { return const_cast<char*>(arg); });
    pid_t pid = -1;
    if (::posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ) != 0)
        pid = -1;
    ::posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// Sleeping children that fill the process list; killed and reaped on destruction.
class ExtraProcesses {
public:
    explicit ExtraProcesses(int count)
    {
        for (int i = 0; i < count; ++i) {
            if (const pid_t pid = spawn({ "sleep", "600" }, false); pid > 0)
                m_pids.push_back(pid);
        }
    }
    ~ExtraProcesses()
    {
        for (const pid_t pid : m_pids)
            ::kill(pid, SIGKILL);
        for (const pid_t pid : m_pids)
            ::waitpid(pid, nullptr, 0);
    }
    ExtraProcesses(const ExtraProcesses&) = delete;
    ExtraProcesses& operator=(const ExtraProcesses&) = delete;

private:
    std::vector<pid_t> m_pids;
};

// The paths are relative to the open /proc folder, the cheapest way to name them.
void bareReadlinkPass(benchmark::State& state)
{
    std::array<char, 4096> target {};
    char path[sizeof dirent::d_name + sizeof "/exe"];
    for (auto _ : state) {
        DIR* proc = ::opendir("/proc");
        while (const dirent* entry = ::readdir(proc)) {
            if (!isPid(entry->d_name))
                continue;
            std::snprintf(path, sizeof path, "%s/exe", entry->d_name);
            benchmark::DoNotOptimize(::readlinkat(::dirfd(proc), path, target.data(), target.size()));
        }
        ::closedir(proc);
    }
}

void oneCheck(benchmark::State& state)
{
    LinuxProcessQuery query;
    for (auto _ : state)
        benchmark::DoNotOptimize(query.countProcesses(kDaemon));
}

// The queries of one tick with every name configured: the three boxes, then
// the wallet and the daemon again for the start buttons.
void oneTick(benchmark::State& state)
{
    const QString names[] = { QStringLiteral("litecoin"), kDaemon, QStringLiteral("litecoin-cli"),
        QStringLiteral("litecoin"), kDaemon };
    LinuxProcessQuery query;
    for (auto _ : state) {
        for (const QString& name : names)
            benchmark::DoNotOptimize(query.countProcesses(name));
    }
}

void pgrep(benchmark::State& state)
{
    for (auto _ : state) {
        const pid_t pid = spawn({ "pgrep", "-x", "litecoind" }, true);
        if (pid < 0) {
            state.SkipWithError("pgrep cannot be started");
            break;
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
    }
}

// The fastest of the repetitions: on a busy machine the other programs only
// ever add time, so the minimum comes closest to the cost of the code itself.
constexpr const char* kFastest = "fastest";

double fastest(const std::vector<double>& times)
{
    return *std::min_element(times.begin(), times.end());
}

struct Figure {
    double wall = 0; // microseconds
    double cpu = 0; // of this process only, so without pgrep's own time
};

// Shows the figures as they come and keeps the fastest of each for the summary.
class FastestCollector final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == kFastest && !run.error_occurred)
                figures[run.run_name.function_name] = { run.GetAdjustedRealTime(), run.GetAdjustedCPUTime() };
        }
        ConsoleReporter::ReportRuns(runs);
    }

    std::map<std::string, Figure> figures;
};

struct Measurement {
    int processes;
    std::map<std::string, Figure> figures;
};

Measurement measure(int extraProcesses, int argc, char** argv)
{
    const ExtraProcesses extra(extraProcesses);
    const int processes = countProcessEntries();
    std::printf("\n== %d processes ==\n", processes);

    const std::pair<const char*, void (*)(benchmark::State&)> benchmarks[] = {
        { "readlink pass", bareReadlinkPass },
        { "check", oneCheck },
        { "tick (5 checks)", oneTick },
        { "pgrep -x", pgrep },
    };
    for (const auto& [name, function] : benchmarks) {
        benchmark::RegisterBenchmark(name, function)
            ->Unit(benchmark::kMicrosecond)
            ->UseRealTime()
            ->MinTime(0.2)
            ->Repetitions(10)
            ->ComputeStatistics(kFastest, fastest)
            ->ReportAggregatesOnly(true);
    }
    benchmark::Initialize(&argc, argv);
    FastestCollector reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::ClearRegisteredBenchmarks();
    return { processes, reporter.figures };
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<Measurement> measurements;
    for (const int extra : { 0, kExtraProcesses })
        measurements.push_back(measure(extra, argc, argv));

    std::printf("\nFastest of ten repetitions, in microseconds of wall time; the check/readlink ratio also\n"
                "in CPU time. Target: a check costs at most 1.2 readlink passes.\n");
    std::printf("%9s %13s %9s %21s %9s %10s %11s\n", "processes", "readlink pass", "check",
        "check/readlink (cpu)", "tick", "pgrep -x", "pgrep/check");
    const auto ratio = [](double a, double b) { return b > 0 ? a / b : 0.0; };
    for (const Measurement& m : measurements) {
        const auto figure = [&](const char* name) {
            const auto found = m.figures.find(name);
            return found == m.figures.end() ? Figure {} : found->second;
        };
        const Figure readlink = figure("readlink pass");
        const Figure check = figure("check");
        const Figure pgrepTime = figure("pgrep -x");
        std::printf("%9d %13.1f %9.1f %12.2fx (%.2fx) %9.1f %10.1f %10.1fx\n", m.processes, readlink.wall,
            check.wall, ratio(check.wall, readlink.wall), ratio(check.cpu, readlink.cpu),
            figure("tick (5 checks)").wall, pgrepTime.wall, ratio(pgrepTime.wall, check.wall));
    }
    benchmark::Shutdown();
    return 0;
}
