// What one watcher tick costs the Linux process query, with about 70, 600 and
// 5,000 processes running: the tick as it was (five looks at the process list,
// each reading every process's image name) and as it is (one look that asks
// all three names and reads only the processes it does not know yet), beside
// one bare readdir pass over /proc, the least any look can cost. Sleeping
// children fill the list up to each size and are killed after.

#include "platform/process_query_linux.h"

#include <benchmark/benchmark.h>

#include <dirent.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

const QString kQt = QStringLiteral("litecoin-qt");
const QString kDaemon = QStringLiteral("litecoind");
const QString kCli = QStringLiteral("litecoin-cli");

int readdirPass()
{
    int pids = 0;
    DIR* proc = ::opendir("/proc");
    while (const dirent* entry = ::readdir(proc))
        pids += procEntryPid(entry->d_name) ? 1 : 0;
    ::closedir(proc);
    return pids;
}

// Sleeping children that fill the process list; killed and reaped on destruction.
class ExtraProcesses {
public:
    explicit ExtraProcesses(int count)
    {
        char sleep[] = "sleep";
        char seconds[] = "600";
        char* const argv[] = { sleep, seconds, nullptr };
        for (int i = 0; i < count; ++i) {
            pid_t pid = -1;
            if (::posix_spawnp(&pid, "sleep", nullptr, nullptr, argv, environ) == 0)
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

void bareReaddir(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(readdirPass());
}

// The queries of one tick with every name configured: the three boxes, then
// the wallet and the daemon again for the start buttons; every look read
// each process afresh.
void tickBefore(benchmark::State& state)
{
    const QString names[] = { kQt, kDaemon, kCli, kQt, kDaemon };
    for (auto _ : state) {
        for (const QString& name : names)
            benchmark::DoNotOptimize(LinuxProcessQuery().countProcesses({ name }));
    }
}

// One look for all three names with the names kept from earlier looks; the
// average includes the processes read again in their turn.
void tickAfter(benchmark::State& state)
{
    LinuxProcessQuery query;
    query.countProcesses({ kQt, kDaemon, kCli });
    for (auto _ : state)
        benchmark::DoNotOptimize(query.countProcesses({ kQt, kDaemon, kCli }));
}

constexpr const char* kFastest = "fastest";

// CPU time of this process, so that other programs on a shared machine do not
// count; of the repetitions the fastest comes closest to the code's own cost.
double fastest(const std::vector<double>& times)
{
    return *std::min_element(times.begin(), times.end());
}

class SummaryCollector final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && !run.error_occurred && run.aggregate_name == kFastest)
                fastestMicroseconds[run.run_name.function_name] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }

    std::map<std::string, double> fastestMicroseconds;
};

struct Measurement {
    int processes;
    std::map<std::string, double> fastestMicroseconds;
};

Measurement measure(int targetProcesses, int argc, char** argv)
{
    const ExtraProcesses extra(std::max(0, targetProcesses - readdirPass()));
    const int processes = readdirPass();
    std::printf("\n== %d processes ==\n", processes);
    const std::pair<const char*, void (*)(benchmark::State&)> benchmarks[] = {
        { "readdir pass", bareReaddir },
        { "tick before", tickBefore },
        { "tick after", tickAfter },
    };
    for (const auto& [name, function] : benchmarks) {
        benchmark::RegisterBenchmark(name, function)
            ->Unit(benchmark::kMicrosecond)
            ->MinTime(0.2)
            ->Repetitions(5)
            ->ComputeStatistics(kFastest, fastest)
            ->ReportAggregatesOnly(true);
    }
    benchmark::Initialize(&argc, argv);
    SummaryCollector reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::ClearRegisteredBenchmarks();
    return { processes, reporter.fastestMicroseconds };
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<Measurement> measurements;
    for (const int processes : { 70, 600, 5000 })
        measurements.push_back(measure(processes, argc, argv));

    std::printf("\nOne watcher tick in microseconds of CPU time, the fastest of five repetitions. Before:\n"
                "five looks, each reading every process; after: one look reading only what is new or due.\n");
    std::printf("%9s %12s %12s %12s %14s\n", "processes", "readdir pass", "tick before", "tick after",
        "after/readdir");
    for (const Measurement& m : measurements) {
        const auto figure = [&](const char* name) {
            const auto found = m.fastestMicroseconds.find(name);
            return found == m.fastestMicroseconds.end() ? 0.0 : found->second;
        };
        const double pass = figure("readdir pass");
        std::printf("%9d %12.1f %12.1f %12.1f %13.1fx\n", m.processes, pass, figure("tick before"),
            figure("tick after"), pass > 0 ? figure("tick after") / pass : 0.0);
    }
    benchmark::Shutdown();
    return 0;
}
