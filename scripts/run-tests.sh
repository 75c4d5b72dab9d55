#!/usr/bin/env bash
# Installs what is missing, checks that every C++ file is formatted as
# .clang-format says, builds everything with the address and undefined
# behaviour sanitizers, runs every test headless and lists the skipped ones
# with their reasons; then runs each fuzz target briefly, over its seed corpus
# first, so a fault found once stays found. Fails when a file is not formatted,
# a test fails or a fuzz target finds a fault.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
status=0
unformatted=()
while IFS= read -r -d '' file; do
  clang-format --dry-run --Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done < <(git ls-files -z '*.cpp' '*.h' '*.h.in')
if ((${#unformatted[@]})); then
  echo "Not formatted as .clang-format says (clang-format -i fixes them):" >&2
  printf '  %s\n' "${unformatted[@]}" >&2
  status=1
fi
warnings_as_errors=OFF
[[ "${CI:-}" == "true" ]] && warnings_as_errors=ON
cmake -S . -B build/tests -DCMAKE_BUILD_TYPE=Debug -DQUORLIN_SANITIZE=ON \
  -DQUORLIN_WARNINGS_AS_ERRORS="$warnings_as_errors"
cmake --build build/tests -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
# The whole output of every test goes into CTest's log, where the reasons of
# skipped tests are found.
ctest --test-dir build/tests --output-on-failure --test-output-size-passed 1000000 || status=1
scripts/list-skipped-tests.sh build/tests
scripts/fuzz.sh 3 || status=$?
exit "$status"
