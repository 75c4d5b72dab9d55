#!/usr/bin/env bash
# Installs the Windows setup silently under wine, in a wine prefix of its own,
# with a named copy for one more node, and checks what a user would: the copy
# starts from its Start-menu entry and shows the coin name stored in its own
# settings section, and the uninstaller registered for the user empties the
# folder but for the ".conf" file and keeps the settings. Exit code 77 means
# skipped.
#
#   test_installer_windows.sh SETUP.exe
set -euo pipefail

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorlin'
settings_key='HKCU\Software\VB and VBA Program Settings\KD_QUORLIN\KD-QUORLIN-LTC'

if [[ "${1:-}" == --in-session ]]; then
  # Under Xvfb, with wine's own display driver, so the panel's window is an X window.
  setup=$2
  wine "$setup" /S /NODE=LTC || fail "the silent setup failed"
  folders=("$WINEPREFIX"/drive_c/users/*/AppData/Local/Programs/Quorlin)
  folder=${folders[0]}
  user_folder=${folder%/AppData/Local/Programs/Quorlin}
  start_menu="$user_folder/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
  links=("$start_menu/Quorlin.lnk" "$start_menu/Quorlin LTC.lnk"
    "$user_folder/Desktop/Quorlin.lnk" "$user_folder/Desktop/Quorlin LTC.lnk")
  for installed in "$folder/KD-QUORLIN.exe" "$folder/KD-QUORLIN-LTC.exe" "${links[@]}"; do
    [[ -f "$installed" ]] || fail "the setup did not install $installed"
  done

  wine reg add "$settings_key" /v CRYPTO_NAME_TEXTBOX /d "Litecoin regtest" /f >/dev/null
  wine start /unix "$start_menu/Quorlin LTC.lnk"
  title="QUORLIN - Litecoin regtest"
  shown=false
  for _ in $(seq 300); do
    xwininfo -root -tree | grep -qF "\"$title\"" && shown=true && break
    sleep 0.1
  done
  wineserver -k
  $shown || fail "no window titled \"$title\" appeared"

  conf="$folder/KD-QUORLIN-LTC-CRYPTO-CONFIG.conf"
  echo "kept" >"$conf"
  quiet_uninstall=$(wine reg query "$uninstall_key" /v QuietUninstallString | tr -d '\r' |
    sed -n 's/^ *QuietUninstallString *REG_SZ *//p')
  [[ "$quiet_uninstall" =~ ^\"(.+)\"\ /S$ ]] || fail "QuietUninstallString is \"$quiet_uninstall\""
  wine "${BASH_REMATCH[1]}" /S || fail "the silent uninstall failed"
  # The uninstaller goes on from a copy of itself in the temporary folder.
  wineserver -w

  [[ -f "$conf" && "$(cat "$conf")" == kept ]] || fail "the uninstaller removed or changed $conf"
  [[ "$(ls -A "$folder")" == "${conf##*/}" ]] ||
    fail "the folder should hold the .conf file alone, it holds: $(ls -A "$folder" | tr '\n' ' ')"
  for link in "${links[@]}"; do
    [[ ! -e "$link" ]] || fail "the uninstaller left $link"
  done
  wine reg query "$settings_key" /v CRYPTO_NAME_TEXTBOX >/dev/null || fail "the uninstaller removed the settings"
  if wine reg query "$uninstall_key" >/dev/null 2>&1; then fail "the uninstaller left its Uninstall key"; fi
  exit 0
fi

setup=$1
source "$(dirname "$0")/../require_tools.sh"
require_tools makensis wine xvfb-run xwininfo
[[ -f "$setup" ]] || fail "$setup is missing: the build's quorlin_packages target makes it"

work=$(mktemp -d)
# Wine's processes end first: the server writes the registry into the prefix as it goes.
trap 'wineserver -k 2>/dev/null || true; wineserver -w; rm -rf "$work"' EXIT
# A HOME of its own: wine links the user's desktop into it and would put menu
# entries for the Start-menu links there (winemenubuilder is off anyway).
export HOME="$work/home" WINEPREFIX="$work/prefix" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
mkdir -p "$HOME"
# The display keeps running between its clients (-noreset): a server reset
# between two short clients would refuse the next connection.
xvfb-run -a -s "-noreset -screen 0 1280x1024x24" bash "$0" --in-session "$setup"
echo "PASS"
