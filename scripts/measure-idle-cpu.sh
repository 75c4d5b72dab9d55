#!/usr/bin/env bash
# What the idle panel costs. Builds Release, starts N extra sleeping processes
# (default 500) and lets them pass their first minute (the panel reads a
# process at every look while it is young; SETTLE_SECONDS=0 measures that
# cost instead), then runs the real panel, with three program names configured
# in a temporary settings store, beside a bare Qt window under one Xvfb server.
# For each it prints the start-up time to a mapped window, the share of one
# core its own process used over 20 seconds (CPU time from /proc/<pid>/stat,
# so other programs on a shared machine do not count), and its resident
# memory; with the process count and how busy the whole machine was.
#
#   scripts/measure-idle-cpu.sh [N]
#   PANEL=/path/to/KD-QUORLIN scripts/measure-idle-cpu.sh [N]   # another build
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ "${1:-}" == --inside-xvfb ]]; then
  panel=$2 bare=$3 seconds=$4
  config=$(mktemp -d)
  pids=()
  trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$config"' EXIT
  mkdir -p "$config/KD_QUORLIN"
  printf '[General]\nQT_NAME_TEXTBOX=litecoin-qt\nDAEMON_NAME_TEXTBOX=litecoind\nCLI_NAME_TEXTBOX=litecoin-cli\n' \
    >"$config/KD_QUORLIN/$(basename "$panel").ini"

  # Starts a program and waits until its window is mapped; prints the pid and
  # the milliseconds it took.
  start() {
    local title=$1 begin pid
    shift
    begin=$(date +%s%N)
    XDG_CONFIG_HOME=$config "$@" >/dev/null 2>&1 &
    pid=$!
    until xwininfo -root -tree 2>/dev/null | grep -qF "\"$title"; do
      kill -0 "$pid" 2>/dev/null || { echo "$* ended before showing its window" >&2; exit 1; }
      sleep 0.005
    done
    echo "$pid $(( ($(date +%s%N) - begin) / 1000000 ))"
  }
  cpuTicks() { sed 's/.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }
  rssKb() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }
  # Busy and total jiffies of the whole machine, all cores.
  machine() { awk '/^cpu / { print $2 + $3 + $4 + $7 + $8 + $9, $2 + $3 + $4 + $5 + $6 + $7 + $8 + $9 }' /proc/stat; }

  read -r panelPid panelMs < <(start "QUORLIN - " "$panel")
  pids+=("$panelPid")
  read -r barePid bareMs < <(start "bare Qt window" "$bare")
  pids+=("$barePid")
  sleep 2 # both settle after showing their windows

  shopt -s nullglob
  entries=(/proc/[0-9]*)
  processes=${#entries[@]}
  read -r busy0 total0 < <(machine)
  panel0=$(cpuTicks "$panelPid") bare0=$(cpuTicks "$barePid") begin=$(date +%s%N)
  sleep "$seconds"
  panel1=$(cpuTicks "$panelPid") bare1=$(cpuTicks "$barePid") end=$(date +%s%N)
  read -r busy1 total1 < <(machine)

  hz=$(getconf CLK_TCK)
  awk -v hz="$hz" -v ns=$((end - begin)) -v p=$((panel1 - panel0)) -v b=$((bare1 - bare0)) \
    -v procs="$processes" -v busy=$((busy1 - busy0)) -v total=$((total1 - total0)) -v cores="$(nproc)" \
    -v pms="$panelMs" -v bms="$bareMs" -v prss="$(rssKb "$panelPid")" -v brss="$(rssKb "$barePid")" \
    -v load="$(cut -d' ' -f1-3 /proc/loadavg)" 'BEGIN {
      s = ns / 1e9
      printf "processes running:   %d\n", procs
      printf "machine:             %.0f %% of %d cores busy during the run, load average %s\n", 100 * busy / total, cores, load
      printf "%-20s %12s %12s %10s\n", "", "CPU of 1 core", "start-up", "RSS"
      printf "%-20s %11.2f %% %9d ms %7.1f MB\n", "panel", 100 * p / hz / s, pms, prss / 1024
      printf "%-20s %11.2f %% %9d ms %7.1f MB\n", "bare Qt window", 100 * b / hz / s, bms, brss / 1024
      printf "(%.1f s; CPU time resolution %.2f %% of a core)\n", s, 100 / hz / s
    }'
  exit 0
fi

extra=${1:-500}
if [[ -z "${PANEL:-}" || -z "${BARE:-}" ]]; then
  scripts/setup.sh >/dev/null
  cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DQUORLIN_BUILD_TESTS=OFF \
    -DQUORLIN_BUILD_BENCHMARKS=ON >/dev/null
  cmake --build build/release --target quorlin_app bench_bare_window -j"$(nproc)" >/dev/null
fi
panel=$(realpath "${PANEL:-build/release/src/KD-QUORLIN}")
bare=$(realpath "${BARE:-build/release/bench/bench_bare_window}")

sleepers=()
trap 'kill "${sleepers[@]}" 2>/dev/null || true; wait 2>/dev/null || true' EXIT
for ((i = 0; i < extra; i++)); do
  sleep 600 &
  sleepers+=($!)
done
settle=${SETTLE_SECONDS:-65}
echo "panel: $panel; $extra extra sleeping processes, $settle s old"
sleep "$settle"
xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --inside-xvfb "$panel" "$bare" "${MEASURE_SECONDS:-20}"
