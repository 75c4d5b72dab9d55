// The node status window reads what the user's command-line client printed: any text, from any node version,
// or a client that failed. Every answer gives a view with a state and a progress bar value within 0 to 100 %.
#include "node_control/node_status_reader.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

namespace {

ProcessAnswer answer(FuzzedDataProvider& input)
{
    ProcessAnswer answer;
    answer.outcome = input.PickValueInArray({ ProcessAnswer::Outcome::Finished,
        ProcessAnswer::Outcome::NotStarted, ProcessAnswer::Outcome::TimedOut });
    answer.exitCode = input.ConsumeIntegral<int>();
    const std::string output = input.ConsumeRandomLengthString(4096);
    answer.output = QString::fromUtf8(output.data(), qsizetype(output.size()));
    const std::string error = input.ConsumeRandomLengthString(256);
    answer.errorOutput = QString::fromUtf8(error.data(), qsizetype(error.size()));
    return answer;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const QDateTime now
        = QDateTime::fromSecsSinceEpoch(input.ConsumeIntegral<qint64>() % 100'000'000'000, Qt::UTC);
    const ProcessAnswer blockchain = answer(input);
    const std::optional<ProcessAnswer> network
        = input.ConsumeBool() ? std::optional(answer(input)) : std::nullopt;
    const NodeStatusView view = readNodeStatus(blockchain, network, now);
    if (view.state.isEmpty() || view.progressHundredths < 0 || view.progressHundredths > 10000)
        std::abort();
    clientErrorText(blockchain);
    return 0;
}
