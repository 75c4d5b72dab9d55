#!/usr/bin/env bash
# Installs what is missing, builds everything with the address and undefined
# behaviour sanitizers, runs every test headless and lists the skipped ones
# with their reasons; then runs each fuzz target briefly, over its seed corpus
# first, so a fault found once stays found.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
warnings_as_errors=OFF
[[ "${CI:-}" == "true" ]] && warnings_as_errors=ON
cmake -S . -B build/tests -DCMAKE_BUILD_TYPE=Debug -DQUORLIN_SANITIZE=ON \
  -DQUORLIN_WARNINGS_AS_ERRORS="$warnings_as_errors"
cmake --build build/tests -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
status=0
# The whole output of every test goes into CTest's log, where the reasons of
# skipped tests are found.
ctest --test-dir build/tests --output-on-failure --test-output-size-passed 1000000 || status=$?
scripts/list-skipped-tests.sh build/tests
scripts/fuzz.sh 3 || status=$?
exit "$status"
