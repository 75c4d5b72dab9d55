#!/usr/bin/env bash
# Saves pictures of the Windows program, run under wine on Xvfb with Qt's
# Windows platform, into docs/screenshots/windows. Most come from
# every_window_screenshots.exe over the test fakes; main, node status and coin
# presets are KD-QUORLIN.exe's own windows in the frames wine draws.
# Wants a Windows build (scripts/build-windows.sh) with the
# every_window_screenshots target built.
#
#   windows-screenshots.sh [BUILD_DIR]    (build/windows by default)
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ "${1:-}" == --in-session ]]; then
  folder=$2 pictures=$3
  trap 'wineserver -k 2>/dev/null || true' EXIT
  # Wine draws the frames, with Marlett's glyphs on their buttons. Windows'
  # fonts are not here: Liberation Sans (Arial's metric twin) stands in for
  # Arial and DejaVu Sans (which wine's own Tahoma is made from) for Tahoma,
  # the dialog font. Wine's text drawing loses bold faces that stand in and,
  # at 8 points, a capital I; Qt's FreeType engine draws the same fonts.
  # (Wine passes QT_ variables on as WINEQT_.)
  export WINEQT_QPA_PLATFORM=windows:fontengine=freetype
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /d "Liberation Sans" /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Tahoma /d "DejaVu Sans" /f >/dev/null 2>&1
  ln -sf /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  # A coin and its programs (none of them runs); node status opens beside the main window.
  key='HKCU\Software\VB and VBA Program Settings\KD_QUORLIN\KD-QUORLIN'
  for setting in "CRYPTO_NAME_TEXTBOX=LTC - Litecoin" QT_NAME_TEXTBOX=litecoin-qt \
    DAEMON_NAME_TEXTBOX=litecoind CLI_NAME_TEXTBOX=litecoin-cli NODE_STATUS-Left=6000; do
    wine reg add "$key" /v "${setting%%=*}" /d "${setting#*=}" /f >/dev/null 2>&1
  done

  # Prints the first window whose title matches $1, two seconds after it shows.
  await_window() {
    for _ in $(seq 300); do
      xdotool search --name "$1" 2>/dev/null | head -n 1 | grep . && sleep 2 && return 0
      sleep 0.1
    done
    echo "no window matching \"$1\" showed" >&2
    return 1
  }
  # Clicks $4 times (once by default) at $2, $3 pixels inside window $1, as
  # its form places controls: wine's frame adds a 4 pixel border and a 23 pixel caption.
  click_inside() {
    xdotool mousemove --window "$1" $((4 + $2)) $((27 + $3)) click --repeat "${4:-1}" 1
  }

  wine "$folder/every_window_screenshots.exe" "Z:$pictures" >/dev/null
  wine "$folder/KD-QUORLIN.exe" &
  main=$(await_window '^QUORLIN - LTC')
  import -window "$main" "$pictures/main.png"
  click_inside "$main" 140 9 2 # the QT box
  import -window "$(await_window 'NODE STATUS')" "$pictures/node_status.png"
  click_inside "$main" 64 24 # the picture button
  click_inside "$(await_window 'MAIN SETTINGS')" 452 120 # CRYPTO ".CONF" FILE MANAGER
  click_inside "$(await_window 'CONFIGURATION FILE GENERATOR')" 76 52 # Import Default Settings
  presets=$(await_window 'IMPORT DEFAULT SETTINGS')
  click_inside "$presets" 48 152 # its tick box
  sleep 1
  import -window "$presets" "$pictures/coin_presets.png"
  exit 0
fi

build=${1:-build/windows}
pictures=$PWD/docs/screenshots/windows
scripts/setup.sh xdotool imagemagick fonts-wine
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/Quorlin" >/dev/null
cp "$build/tools/every_window_screenshots.exe" "$work/Quorlin/"
mkdir -p "$pictures"
export WINEPREFIX=$work/wine-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" --in-session "$work/Quorlin" "$pictures"
ls "$pictures"
