#!/usr/bin/env bash
# Installs PROGRAM with scripts/install-panel.sh into a temporary HOME and
# checks what a user would: the launcher is valid and in the menu folder, a
# desktop starting it opens the copy with the copy's own settings section (its
# window title shows the coin name stored there), installing again over its own
# files works, a file it did not install is never replaced or removed, and
# --remove takes copy, launcher and icon away but keeps the settings and the
# ".conf" file. Exit code 77 means skipped.
set -euo pipefail

if [[ "${1:-}" == --in-session ]]; then
  # Under Xvfb: start the launcher as a desktop does, wait for the window, and
  # end the copy in any case (it shares this test's output).
  launcher=$2 copy=$3 title=$4
  gio launch "$launcher"
  shown=false
  for _ in $(seq 600); do
    xwininfo -root -tree | grep -qF "\"$title\"" && shown=true && break
    sleep 0.1
  done
  started=false
  for process in /proc/[0-9]*; do
    if [[ "$(readlink "$process/exe" 2>/dev/null)" == "$copy" ]]; then
      kill "${process#/proc/}"
      started=true
    fi
  done
  $started || { echo "FAIL: the launcher did not start $copy" >&2; exit 1; }
  $shown || { echo "FAIL: no window titled \"$title\" appeared" >&2; exit 1; }
  exit 0
fi

program=$1
install_panel="$(cd "$(dirname "$0")/../.." && pwd)/scripts/install-panel.sh"
source "$(dirname "$0")/../require_tools.sh"
require_tools desktop-file-validate gio xvfb-run xwininfo

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" QUORLIN_PANEL_PROGRAM="$program"
# The copy opens a real window on Xvfb, not on the headless platform of the other tests.
unset XDG_DATA_HOME QT_QPA_PLATFORM
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Every path under the temporary folder, and every file's contents.
files_state() {
  (cd "$work" && find . ! -name refusal | sort && find . -type f ! -name refusal -exec sha256sum {} + | sort)
}

# The script, run with ARGS, refuses because of FILE: it fails, names FILE,
# and leaves every file as it was.
refuses() {
  local file=$1 before
  shift
  before=$(files_state)
  if "$install_panel" "$@" >/dev/null 2>"$work/refusal"; then fail "$* was not refused because of $file"; fi
  grep -qF "$file" "$work/refusal" || fail "the refusal of $* does not name $file: $(cat "$work/refusal")"
  [[ "$(files_state)" == "$before" ]] || fail "the refused $* changed files"
}

# Blanks, quotes, a dollar, a backquote and a backslash all need escaping in Exec.
folder="$work/my panels \$1 \"a\" \`b\` back\\slash"
name=quorlin.ltc # a dot is part of the name, not an extension
copy="$folder/$name"
launcher="$HOME/.local/share/applications/quorlin-$name.desktop"
icon="$HOME/.local/share/icons/hicolor/256x256/apps/quorlin-$name.png"
settings="$XDG_CONFIG_HOME/KD_QUORLIN/$name.ini"
conf="$folder/$name-CRYPTO-CONFIG.conf"

"$install_panel" "$folder" "$name" >/dev/null
"$install_panel" "$folder" "$name" >/dev/null || fail "installing again over its own files was refused"
if [[ ! -x "$copy" ]] || ! cmp -s "$program" "$copy"; then fail "the copy is missing or differs"; fi
desktop-file-validate "$launcher" || fail "the launcher is not valid"
grep -qx "Name=.*$name.*" "$launcher" || fail "the launcher's name lacks $name"
[[ "$(head -c 8 "$icon" | od -An -tx1 | tr -d ' \n')" == 89504e470d0a1a0a ]] || fail "the icon is not a PNG"

mkdir -p "$(dirname "$settings")"
printf '[General]\nCRYPTO_NAME_TEXTBOX=Litecoin regtest\n' >"$settings"
# The display keeps running between its clients (-noreset): otherwise each
# short xwininfo that leaves the display empty resets the server, and a copy
# connecting in that moment fails with "could not connect to display".
xvfb-run -a -s "-noreset -screen 0 800x600x24" bash "$0" --in-session "$launcher" "$copy" "QUORLIN - Litecoin regtest"

echo "kept" >"$conf"
echo "not a panel" >"$folder/other"
refuses "$folder/other" "$folder" other
desktop_file="$(dirname "$launcher")/quorlin-mine.desktop"
printf '[Desktop Entry]\nType=Application\nName=Mine\nExec=mine\n' >"$desktop_file"
refuses "$desktop_file" "$folder" mine
icon_file="$(dirname "$icon")/quorlin-picture.png"
echo "a picture of the user's own" >"$icon_file"
refuses "$icon_file" "$folder" picture
refuses "$icon_file" --remove "$folder" picture

"$install_panel" --remove "$folder" "$name" >/dev/null
for gone in "$copy" "$launcher" "$icon"; do
  [[ ! -e "$gone" ]] || fail "--remove left $gone"
done
[[ -f "$settings" && "$(cat "$conf")" == kept ]] || fail "--remove touched the settings or the .conf file"
echo "PASS"
