#!/usr/bin/env bash
# Soak test of the panel: the sanitizer build runs under Xvfb with three
# program names configured, while watched and unwatched processes (copies of
# `sleep` named like the watched names and like near misses) start and end.
# After each change of a watched process the status boxes are read from the
# screen until they show the new state; a change not shown within ten seconds
# counts as missed, one shown after more than a second (four watcher ticks) as
# slow. Prints the panel's resident memory at the start, after a warm-up and at
# the end, the starts and stops, the misses and any sanitizer report.
#   scripts/soak.sh MINUTES
set -euo pipefail
cd "$(dirname "$0")/.."

minutes=${1:?usage: scripts/soak.sh MINUTES}
if [[ -z "${QUORLIN_SOAK_DISPLAY:-}" ]]; then
  scripts/setup.sh
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
  cmake -S . -B build/tests -DCMAKE_BUILD_TYPE=Debug -DQUORLIN_SANITIZE=ON >/dev/null
  cmake --build build/tests --target quorlin_app -j"$(nproc)" >/dev/null
  mkdir -p build/soak
  g++ -O2 -std=c++20 tools/x11_box_colours.cpp -lX11 -o build/soak/x11_box_colours
  QUORLIN_SOAK_DISPLAY=1 exec xvfb-run -a -s "-screen 0 800x600x24" "$0" "$@"
fi

panel=build/tests/src/KD-QUORLIN
probe=build/soak/x11_box_colours
work=$(mktemp -d)
coin=SOAK
title="QUORLIN - $coin"
watched=(qrl-soak-qt qrl-soak-daemon qrl-soak-cli)
unwatched=(qrl-soak qrl-soak-qt-helper xqrl-soak-cli qrl-soak-daemo)

# The store: three names, the coin shown in the title, the window at 0,0.
mkdir -p "$work/config/KD_QUORLIN" "$work/bin"
{
  echo "[General]"
  echo "CRYPTO_NAME_TEXTBOX=$coin"
  echo "QT_NAME_TEXTBOX=${watched[0]}"
  echo "DAEMON_NAME_TEXTBOX=${watched[1]}"
  echo "CLI_NAME_TEXTBOX=${watched[2]}"
  echo "MAIN_Left=0"
  echo "MAIN_Top=0"
} >"$work/config/KD_QUORLIN/$(basename "$panel").ini"
for name in "${watched[@]}" "${unwatched[@]}"; do
  cp "$(command -v sleep)" "$work/bin/$name"
done

# The boxes' rectangles, read from the window's form.
mapfile -t boxes < <(python3 - src/node_control/QUORLIN_MAIN.ui <<'PY'
import sys, xml.etree.ElementTree as tree
form = tree.parse(sys.argv[1])
for n in (1, 2, 3):
    rect = form.find(f".//widget[@name='PROCESS_TEXTBOX_{n}']/property[@name='geometry']/rect")
    print(",".join(rect.find(k).text for k in ("x", "y", "width", "height")))
PY
)

pids=("" "" "")
helpers=()
panel_pid=""
cleanup() {
  for pid in "${pids[@]}" "${helpers[@]}"; do [[ -n "$pid" ]] && kill "$pid" 2>/dev/null || true; done
  [[ -n "$panel_pid" ]] && kill "$panel_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

rss() { awk '/^VmRSS:/ { print $2 }' "/proc/$panel_pid/status"; }
expected() {
  local words=()
  for pid in "${pids[@]}"; do [[ -n "$pid" ]] && words+=(green) || words+=(red); done
  echo "${words[*]}"
}
# Reads the boxes until they show `expected`; prints the milliseconds it took,
# or fails after ten seconds.
await_boxes() {
  local want start now
  want=$(expected)
  start=$(date +%s%N)
  while true; do
    [[ "$($probe colours "$title" "${boxes[@]}" 2>/dev/null)" == "$want" ]] && break
    now=$(date +%s%N)
    ((now - start < 10000000000)) || return 1
    sleep 0.02
  done
  echo $((($(date +%s%N) - start) / 1000000))
}

export XDG_CONFIG_HOME=$work/config
# D-Bus keeps one buffer until exit that the leak check would report on every run.
echo "leak:libdbus-1.so" >"$work/leaks.supp"
export LSAN_OPTIONS=suppressions=$work/leaks.supp:print_suppressions=0
# A small quarantine: freed memory held back for the use-after-free check
# would otherwise fill up over minutes and read as growth of resident memory.
export ASAN_OPTIONS=detect_leaks=1:quarantine_size_mb=1:log_path=$work/sanitizer
export UBSAN_OPTIONS=print_stacktrace=1:log_path=$work/sanitizer
"$panel" >"$work/panel.log" 2>&1 &
panel_pid=$!
for _ in $(seq 100); do
  $probe colours "$title" "${boxes[@]}" >/dev/null 2>&1 && break
  sleep 0.2
done
await_boxes >/dev/null || { echo "the panel never showed three red boxes"; exit 1; }
rss_start=$(rss)

starts=0 stops=0 others=0 misses=0 slow=0 slowest=0 latency_total=0 rss_warm=""
began=$SECONDS
warm_up_end=$((began + 60))
next_report=$warm_up_end
end=$((SECONDS + minutes * 60))
while ((SECONDS < end)); do
  # Unwatched processes: short lives, ending on their own between checks.
  helpers=()
  for _ in 1 2; do
    "$work/bin/${unwatched[RANDOM % ${#unwatched[@]}]}" "0.$((RANDOM % 4 + 1))" &
    helpers+=($!)
    others=$((others + 1))
  done
  # One watched process starts or stops.
  i=$((RANDOM % 3))
  if [[ -n "${pids[i]}" ]]; then
    kill "${pids[i]}"
    wait "${pids[i]}" 2>/dev/null || true
    pids[i]=""
    stops=$((stops + 1))
  else
    "$work/bin/${watched[i]}" 3600 &
    pids[i]=$!
    starts=$((starts + 1))
  fi
  if took=$(await_boxes); then
    latency_total=$((latency_total + took))
    ((took <= 1000)) || slow=$((slow + 1))
    ((took <= slowest)) || slowest=$took
  else
    misses=$((misses + 1))
    echo "missed: boxes show '$($probe colours "$title" "${boxes[@]}" 2>&1)', expected '$(expected)'"
  fi
  wait "${helpers[@]}" 2>/dev/null || true
  if [[ -z "$rss_warm" ]] && ((SECONDS >= warm_up_end)); then rss_warm=$(rss); fi
  if ((SECONDS >= next_report)); then
    echo "minute $(((SECONDS - began) / 60)): resident $(rss) KiB, changes $((starts + stops)), missed $misses"
    next_report=$((next_report + 60))
  fi
  kill -0 "$panel_pid" 2>/dev/null || { echo "the panel ended during the soak"; break; }
done
rss_end=$(rss 2>/dev/null || echo 0)
rss_warm=${rss_warm:-$rss_start}

# Close the panel as its close button would, so the leak check runs at exit.
$probe close "$title" 2>/dev/null || true
for _ in $(seq 100); do kill -0 "$panel_pid" 2>/dev/null || break; sleep 0.2; done
panel_status=0
wait "$panel_pid" || panel_status=$?
panel_pid=""

changes=$((starts + stops))
echo "soak: $minutes min, watched starts $starts, stops $stops, unwatched starts $others"
echo "missed state changes: $misses of $changes; slow (over 1 s): $slow; time to show a change:" \
  "mean $((latency_total / (changes - misses > 0 ? changes - misses : 1))) ms, slowest $slowest ms"
echo "resident memory: start $rss_start KiB, after 1 min $rss_warm KiB, end $rss_end KiB" \
  "($(awk -v a="$rss_warm" -v b="$rss_end" 'BEGIN { printf "%+.1f", (b - a) * 100 / a }') % since 1 min)"
reports=$(cat "$work"/sanitizer* 2>/dev/null || true)
if [[ -n "$reports" ]]; then
  echo "sanitizer reports:"
  echo "$reports"
else
  echo "sanitizer reports: none (panel exit status $panel_status)"
fi
[[ -z "$reports" && $misses -eq 0 && $panel_status -eq 0 ]]
