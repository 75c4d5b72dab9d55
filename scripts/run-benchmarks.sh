#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks in Release and runs them.
# Arguments go to the benchmark program (for example --benchmark_filter=check).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DQUORLIN_BUILD_TESTS=OFF -DQUORLIN_BUILD_BENCHMARKS=ON
cmake --build build/bench --target bench_process_query -j"$(nproc)"
exec build/bench/bench/bench_process_query "$@"
