#!/usr/bin/env bash
# Runs a Windows program under wine, as CTest's emulator for the Windows build:
#
#   run_in_wine.sh WINE_PREFIX DLL_FOLDERS PROGRAM.exe [ARGUMENT...]
#
# WINE_PREFIX is made on first use (under a lock, so tests may run in parallel)
# with wine's null display driver: no display is needed, and Qt programs run
# with the offscreen platform. DLL_FOLDERS (colon-separated Linux paths) are
# searched for DLLs. Wine passes no host variable that starts with QT_ to the
# program, so each one goes through as WINEQT_...; Qt's log goes to standard
# error, and the offscreen platform's fonts are Liberation (the metrics of
# Arial) and DejaVu. Exits 77, which CTest counts as skipped, without wine.
set -uo pipefail

(($# >= 3)) || { echo "usage: $0 WINE_PREFIX DLL_FOLDERS PROGRAM.exe [ARGUMENT...]" >&2; exit 2; }
wine_prefix=$1 dll_folders=$2
shift 2

wine=$(command -v wine || command -v /usr/lib/wine/wine64) || {
  echo "SKIPPED: wine is not installed (scripts/setup.sh installs it)"
  exit 77
}
wineserver=$(command -v wineserver || command -v /usr/lib/wine/wineserver64)

# Z: is the root of the Linux file system in every wine prefix.
windows_path() { local path=${1//\//\\}; printf 'Z:%s' "$path"; }

export WINEPREFIX=$wine_prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
fonts=$wine_prefix-fonts
mkdir -p "$(dirname "$wine_prefix")"
(
  flock 9
  [[ -f "$wine_prefix/.quorlin-ready" ]] && exit 0
  rm -rf "$wine_prefix" "$fonts"
  mkdir -p "$fonts"
  ln -s /usr/share/fonts/truetype/liberation/*.ttf /usr/share/fonts/truetype/dejavu/*.ttf "$fonts/"
  # The desktop takes its display driver from the registry when a wine session
  # starts: the session that made the prefix ends before the program runs.
  "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1 || {
    echo "wine could not make the prefix $wine_prefix" >&2
    exit 1
  }
  "$wineserver" -w
  touch "$wine_prefix/.quorlin-ready"
) 9>"$wine_prefix.lock" || exit 1

search_path=""
IFS=: read -r -a folders <<<"$dll_folders"
for folder in "${folders[@]}"; do
  search_path+="${search_path:+;}$(windows_path "$folder")"
done
export WINEPATH=$search_path

while IFS= read -r name; do
  export "WINE$name=${!name}"
done < <(compgen -e | grep '^QT_')
export WINEQT_FORCE_STDERR_LOGGING=1
export WINEQT_QPA_FONTDIR=$(windows_path "$fonts")

exec "$wine" "$@"
