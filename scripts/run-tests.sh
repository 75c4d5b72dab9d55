#!/usr/bin/env bash
# Installs what is missing, builds everything with the address and undefined
# behaviour sanitizers, and runs every test headless; then runs each fuzz
# target briefly, over its seed corpus first, so a fault found once stays found.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
warnings_as_errors=OFF
[[ "${CI:-}" == "true" ]] && warnings_as_errors=ON
cmake -S . -B build/tests -DCMAKE_BUILD_TYPE=Debug -DQUORLIN_SANITIZE=ON \
  -DQUORLIN_WARNINGS_AS_ERRORS="$warnings_as_errors"
cmake --build build/tests -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build/tests --output-on-failure
scripts/fuzz.sh 3
