#!/usr/bin/env bash
# Runs a Windows test program under wine64 in a throwaway wine prefix, with no
# display: wine's null display driver still gives the program real windows.
#
#   run_under_wine.sh <wine64> <wineserver> <program.exe>
#   run_under_wine.sh --skip <reason>
#
# Exits 77, which CTest counts as skipped, when a tool is missing.
set -uo pipefail

skip() {
  echo "SKIPPED: $1"
  exit 77
}

[[ "${1:-}" == "--skip" ]] && skip "${2:-}"
(($# == 3)) || { echo "usage: $0 <wine64> <wineserver> <program.exe>" >&2; exit 2; }
wine64=$1 wineserver=$2 program=$3

[[ -x "$wine64" ]] || skip "wine64 was not found when CMake ran (scripts/setup.sh installs it)"
[[ -x "$wineserver" ]] || skip "wineserver was not found when CMake ran (scripts/setup.sh installs it)"
[[ -f "$program" ]] || { echo "the test program $program was not built" >&2; exit 1; }

prefix=$(mktemp -d "${TMPDIR:-/tmp}/quorlin-wine.XXXXXX")
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY

cleanup() {
  "$wineserver" -k >/dev/null 2>&1
  rm -rf "$prefix"
}
trap cleanup EXIT

# The first command creates the prefix. The desktop takes the display driver
# from the registry when a wine session starts, so the session that created the
# prefix is let to end before the test program runs in a new one.
if ! setup_log=$("$wine64" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f 2>&1); then
  echo "wine64 could not set up a prefix:" >&2
  echo "$setup_log" >&2
  exit 1
fi
"$wineserver" -w

"$wine64" "$program"
