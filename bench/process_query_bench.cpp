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
#include <chrono>
#include <cstdio>
#include <limits>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kExtraProcesses = 500;
const QString kDaemon = QStringLiteral("litecoind");

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
void readlinkPass()
{
    std::array<char, 4096> target {};
    char path[sizeof dirent::d_name + sizeof "/exe"];
    DIR* proc = ::opendir("/proc");
    while (const dirent* entry = ::readdir(proc)) {
        if (!isPid(entry->d_name))
            continue;
        std::snprintf(path, sizeof path, "%s/exe", entry->d_name);
        benchmark::DoNotOptimize(::readlinkat(::dirfd(proc), path, target.data(), target.size()));
    }
    ::closedir(proc);
}

void bareReadlinkPass(benchmark::State& state)
{
    for (auto _ : state)
        readlinkPass();
}

void oneCheck(benchmark::State& state)
{
    LinuxProcessQuery query;
    for (auto _ : state)
        benchmark::DoNotOptimize(query.countProcesses(kDaemon));
}

template <typename Work> double secondsOf(Work work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

constexpr const char* kPerPass = "per pass";

// A check and a bare pass in turns, so that the load of a busy machine falls
// on both alike; the counter compares the fastest check with the fastest pass.
void checkBesidePass(benchmark::State& state)
{
    LinuxProcessQuery query;
    double fastestCheck = std::numeric_limits<double>::max();
    double fastestPass = std::numeric_limits<double>::max();
    for (auto _ : state) {
        fastestPass = std::min(fastestPass, secondsOf(readlinkPass));
        const double check = secondsOf([&] { benchmark::DoNotOptimize(query.countProcesses(kDaemon)); });
        fastestCheck = std::min(fastestCheck, check);
        state.SetIterationTime(check);
    }
    state.counters[kPerPass] = fastestCheck / fastestPass;
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

// Shows the figures as they come and keeps, for the summary, the fastest wall
// time of each benchmark and the median of the paired ratio.
class SummaryCollector final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Aggregate || run.error_occurred)
                continue;
            if (run.aggregate_name == kFastest)
                fastestMicroseconds[run.run_name.function_name] = run.GetAdjustedRealTime();
            if (const auto ratio = run.counters.find(kPerPass);
                run.aggregate_name == "median" && ratio != run.counters.end())
                pairedRatio = ratio->second.value;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    std::map<std::string, double> fastestMicroseconds;
    double pairedRatio = 0;
};

struct Measurement {
    int processes;
    std::map<std::string, double> fastestMicroseconds;
    double pairedRatio;
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
    benchmark::RegisterBenchmark("check beside readlink pass", checkBesidePass)
        ->Unit(benchmark::kMicrosecond)
        ->UseManualTime()
        ->MinTime(0.2)
        ->Repetitions(10)
        ->ReportAggregatesOnly(true);
    benchmark::Initialize(&argc, argv);
    SummaryCollector reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::ClearRegisteredBenchmarks();
    return { processes, reporter.fastestMicroseconds, reporter.pairedRatio };
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<Measurement> measurements;
    for (const int extra : { 0, kExtraProcesses })
        measurements.push_back(measure(extra, argc, argv));

    std::printf("\nMicroseconds, the fastest of ten repetitions. check/pass: a check beside a bare readlink\n"
                "pass taken in turns (median of ten); the target is at most 1.2.\n");
    std::printf("%9s %13s %9s %10s %9s %10s %11s\n", "processes", "readlink pass", "check", "check/pass",
        "tick", "pgrep -x", "pgrep/check");
    for (const Measurement& m : measurements) {
        const auto figure = [&](const char* name) {
            const auto found = m.fastestMicroseconds.find(name);
            return found == m.fastestMicroseconds.end() ? 0.0 : found->second;
        };
        const double check = figure("check");
        std::printf("%9d %13.1f %9.1f %9.2fx %9.1f %10.1f %10.1fx\n", m.processes, figure("readlink pass"),
            check, m.pairedRatio, figure("tick (5 checks)"), figure("pgrep -x"),
            check > 0 ? figure("pgrep -x") / check : 0.0);
    }
    benchmark::Shutdown();
    return 0;
}
