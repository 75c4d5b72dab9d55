#!/usr/bin/env bash
# Builds the libFuzzer targets in fuzz/ with clang and runs each for SECONDS
# seconds, first over its seed corpus in fuzz/corpus/<target> (so every crash
# once found and kept there is tried again), then on new inputs. New inputs go
# to build/fuzz/corpus/<target>, never into the repository. Prints the
# executions per target; exits non-zero when a target crashed, naming the input
# that crashed it (copy it into fuzz/corpus/<target> once the fault is fixed).
#   scripts/fuzz.sh SECONDS [TARGET...]   (default: every target)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:?usage: scripts/fuzz.sh SECONDS [TARGET...]}
shift
targets=("$@")
((${#targets[@]})) || targets=(command_line masked_command_line stored_values proc_reader conf_text node_status)

build=build/fuzz
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S fuzz -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 "${launcher[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]/#/fuzz_}" >/dev/null

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The process query target builds its fake /proc in memory where it can.
[[ -d /dev/shm && -w /dev/shm ]] && export TMPDIR=/dev/shm

failed=0
for target in "${targets[@]}"; do
  corpus=$build/corpus/$target
  artifacts=$build/artifacts/$target/
  log=$build/logs/$target.log
  mkdir -p "$corpus" "$artifacts" "$(dirname "$log")"
  status=0
  "$build/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=1024 \
    -artifact_prefix="$artifacts" "$corpus" "fuzz/corpus/$target" >"$log" 2>&1 || status=$?
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  if ((status)); then
    failed=1
    echo "$target: FAILED after ${executions:-?} executions; input: $(ls -t "$artifacts" | head -1 | sed "s|^|$artifacts|")"
    grep -m1 -E 'ERROR: |runtime error|deadly signal' "$log" || true
    echo "  log: $log"
  else
    echo "$target: ${executions:-?} executions in $seconds s, corpus $(ls "$corpus" | wc -l) inputs"
  fi
done
exit "$failed"
