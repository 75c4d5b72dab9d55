#!/usr/bin/env bash
# Installs what is missing, checks that every C++ file is formatted as
# .clang-format says, builds everything with the address and undefined
# behaviour sanitizers, runs every test headless and lists the skipped ones
# with their reasons; then cross-builds the Windows program and its tests and
# runs them under wine, where Qt for Windows is on this machine (see
# scripts/build-qt-windows.sh); then runs each fuzz target briefly, over its
# seed corpus first, so a fault found once stays found. Fails when a file is
# not formatted, a test fails or a fuzz target finds a fault.
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

# A prebuilt Qt for Windows named by QUORLIN_QT_WINDOWS_ARCHIVE is unpacked into
# the cache; Qt is never built from source here.
[[ -n "${QUORLIN_QT_WINDOWS_ARCHIVE:-}" ]] && scripts/build-qt-windows.sh
if scripts/qt-windows-prefix.sh >/dev/null; then
  scripts/build-windows.sh build/windows -DQUORLIN_WARNINGS_AS_ERRORS="$warnings_as_errors"
  ctest --test-dir build/windows -j"$(nproc)" --output-on-failure \
    --test-output-size-passed 1000000 || status=1
  scripts/list-skipped-tests.sh build/windows
else
  printf 'Skipped, and why:\n  %s\n    %s\n' \
    "the Windows program and its tests: Qt for Windows is not on this machine;" \
    "scripts/build-qt-windows.sh builds it once (about 40 CPU-minutes)"
fi
scripts/fuzz.sh 3 || status=$?
exit "$status"
