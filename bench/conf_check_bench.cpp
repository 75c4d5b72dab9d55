// What the check before SAVE costs on a large user-defined block: reading the
// rendered file as the node does, listing the findings and writing the note,
// for blocks of 256 kB, 1 MB and 4 MB. Linear in the text means each step up
// costs about four times the one before.
//
// The block is on regtest and mixes what users paste: per-network keys at the
// top level (each a refusal), RPC addresses, keys the node does not know and
// comments, with a [regtest] section at its end.

#include "conf_generator/conf_check.h"
#include "conf_generator/conf_text.h"
#include "conf_generator/save_check.h"

#include <benchmark/benchmark.h>

namespace {

QString userBlock(qsizetype bytes)
{
    QString block = QStringLiteral("regtest=1\r\nserver=1\r\n");
    for (int n = 0; block.size() < bytes; ++n) {
        const QString number = QString::number(n);
        switch (n % 4) {
        case 0:
            block += QStringLiteral("addnode=10.0.0.") + number + QStringLiteral("\r\n");
            break;
        case 1:
            block += QStringLiteral("rpcallowip=10.1.0.") + number + QStringLiteral("/32\r\n");
            break;
        case 2:
            block += QStringLiteral("unknown") + number + QStringLiteral("=1 # pasted\r\n");
            break;
        default:
            block += QStringLiteral("# note ") + number + QStringLiteral("\r\n");
        }
    }
    return block + QStringLiteral("[regtest]\r\nport=18444\r\n");
}

void check(benchmark::State& state)
{
    ConfFields fields;
    fields.userDefinedSettings = userBlock(state.range(0) * 1024);
    const QString text = renderConfText(fields);
    const QSet<QString> options { QStringLiteral("regtest"), QStringLiteral("server"),
        QStringLiteral("addnode"), QStringLiteral("rpcallowip"), QStringLiteral("port") };
    qsizetype findings = 0;
    for (auto _ : state) {
        const SaveCheck saveCheck { checkConfText(text, options),
            QStringLiteral("Checked against litecoind.") };
        benchmark::DoNotOptimize(saveNoteText(saveCheck));
        findings = saveCheck.findings.size();
    }
    state.counters["findings"] = double(findings);
    state.SetBytesProcessed(state.iterations() * text.size());
}

} // namespace

BENCHMARK(check)->Arg(256)->Arg(1024)->Arg(4096)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
