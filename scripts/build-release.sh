#!/usr/bin/env bash
# Installs what is missing and builds the panel in Release, reusing an earlier
# build: the program is build/release/src/KD-QUORLIN afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DQUORLIN_BUILD_TESTS=OFF \
  -DQUORLIN_BUILD_BENCHMARKS=OFF
cmake --build build/release --target quorlin_app -j"$(nproc)"
