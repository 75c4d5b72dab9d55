#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks in Release and runs them.
# Arguments go to the Google Benchmark programs (for example --benchmark_min_time=2).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DQUORLIN_BUILD_TESTS=OFF -DQUORLIN_BUILD_BENCHMARKS=ON
cmake --build build/bench --target bench_process_query bench_conf_check bench_preview_ticks -j"$(nproc)"
build/bench/bench/bench_process_query "$@"
build/bench/bench/bench_conf_check "$@"
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} build/bench/bench/bench_preview_ticks
