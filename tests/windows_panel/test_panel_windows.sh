#!/usr/bin/env bash
# Installs the Windows build's runnable folder into a temporary folder and runs
# KD-QUORLIN.exe from there under wine on Xvfb, with Qt's real Windows platform
# and wine's X11 display driver, in a wine prefix of its own. Its main window
# opens where the registry says, with the settings picture's face green; the
# test moves it and clicks Exit as a user would: the program ends and the
# registry holds where the window was.
#
#   test_panel_windows.sh CMAKE BUILD_DIR
#
# Exit code 77 means skipped.
set -euo pipefail

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

if [[ "${1:-}" == --in-session ]]; then
  folder=$2
  export WINEPREFIX=$folder/wine-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  trap 'wineserver -k 2>/dev/null || true' EXIT
  key='HKCU\Software\VB and VBA Program Settings\KD_QUORLIN\KD-QUORLIN'
  # 3000 and 2250 twips: the window's outer frame opens at 200, 150 pixels.
  wine reg add "$key" /v MAIN_Left /d 3000 /f >/dev/null 2>&1 || fail "wine could not make its prefix"
  wine reg add "$key" /v MAIN_Top /d 2250 /f >/dev/null 2>&1

  # The exit code lands in a file when the program ends.
  (
    code=0
    wine "$folder/Quorlin/KD-QUORLIN.exe" || code=$?
    echo "$code" >"$folder/exit-code"
  ) &
  window=""
  for _ in $(seq 300); do
    window=$(xdotool search --name '^QUORLIN - $' 2>/dev/null | head -n 1) && [[ -n "$window" ]] && break
    sleep 0.1
  done
  [[ -n "$window" ]] || fail "no window titled \"QUORLIN - \" appeared"

  # X reports the window's inside; the frame's border and title bar lie
  # above and to the left of it.
  geometry=$(xdotool getwindowgeometry --shell "$window")
  x=$(sed -n 's/^X=//p' <<<"$geometry")
  y=$(sed -n 's/^Y=//p' <<<"$geometry")
  ((x >= 200 && x <= 210 && y >= 150 && y <= 190)) ||
    fail "the window opened at $x,$y, not just inside a frame at 200,150"
  # 4 pixels inside the settings picture button (at 8, 0 in the window), halfway
  # down: its face is green, which a themed Windows button would not show.
  face_green=false
  for _ in $(seq 50); do
    read -r r g b < <(import -window root -crop "1x1+$((x + 12))+$((y + 24))" -depth 8 txt:- |
      sed -n 's/.*srgb(\([0-9]*\),\([0-9]*\),\([0-9]*\)).*/\1 \2 \3/p') || true
    ((g > 200 && r < 160 && b < 160)) && face_green=true && break
    sleep 0.1
  done
  $face_green || fail "the settings picture's face is rgb($r, $g, $b), not green"
  xdotool windowmove --sync "$window" $((x + 130)) $((y + 77))
  # The Exit button's middle, in pixels inside the window.
  xdotool mousemove --window "$window" 224 64 click 1

  for _ in $(seq 100); do
    [[ -f "$folder/exit-code" ]] && break
    sleep 0.1
  done
  [[ -f "$folder/exit-code" ]] || fail "the program still runs 10 seconds after Exit was clicked"
  [[ "$(cat "$folder/exit-code")" == 0 ]] || fail "the program ended with exit code $(cat "$folder/exit-code")"

  # Moved by 130, 77 pixels of 15 twips each from 3000, 2250 twips.
  stored=$(wine reg query "$key" 2>/dev/null | tr -d '\r' | awk '$2 == "REG_SZ" { print $1 "=" $3 }')
  for expected in MAIN_Left=4950 MAIN_Top=3405; do
    grep -qxF "$expected" <<<"$stored" || fail "the registry lacks $expected; it holds:"$'\n'"$stored"
  done
  exit 0
fi

cmake=$1 build=$2
source "$(dirname "$0")/../require_tools.sh"
require_tools wine wineserver xvfb-run xdotool import

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The runnable folder alone must hold every DLL the program loads.
unset WINEPATH
"$cmake" --install "$build" --prefix "$work/Quorlin" >/dev/null
# The display keeps running between its clients (-noreset): a server reset
# between two short clients would refuse the next connection.
xvfb-run -a -s "-noreset -screen 0 1024x768x24" bash "$0" --in-session "$work"
echo "PASS"
