#!/usr/bin/env bash
# Installs the panel once per node: a copy of the program named NAME in FOLDER
# (the copy keeps its settings under the section NAME and writes its ".conf"
# file beside it), and a launcher for it in the user's desktop menu with the
# program's icon.
#
#   scripts/install-panel.sh FOLDER NAME
#   scripts/install-panel.sh --remove FOLDER NAME
#
# --remove takes the copy, its launcher and its icon away again and leaves the
# settings and the ".conf" file alone. The copy comes from the Release build,
# which is built or, when up to date, reused; QUORLIN_PANEL_PROGRAM names an
# already built program to copy instead.
#
# The script replaces or removes only what it installed itself: a launcher that
# carries the line X-Quorlin-Installed=true, the copy that launcher starts, and
# the icon whose SHA-256 sum that launcher records. Anything else at those paths
# stops it with a message before it changes a single file.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)

fail() {
  echo "install-panel.sh: $*" >&2
  exit 1
}

remove=false
if [[ "${1:-}" == --remove ]]; then
  remove=true
  shift
fi
if (($# != 2)); then
  echo "usage: install-panel.sh [--remove] FOLDER NAME" >&2
  exit 2
fi
name=$2
[[ "$name" =~ ^[A-Za-z0-9_][A-Za-z0-9._-]*$ ]] ||
  fail "NAME \"$name\" may hold only letters, digits, '.', '_' and '-', and may not start with '.' or '-':" \
    "it becomes a file name and the name of the launcher."
# A launcher cannot start a path with a line break, and GLib's launchers refuse
# one with a percent sign although it is escaped.
[[ "$1" != *[$'\n'%]* ]] || fail "FOLDER may not hold a line break or '%': a desktop launcher cannot start it."
folder=$(realpath -m -- "$1")
copy="$folder/$name"

data_home=${XDG_DATA_HOME:-$HOME/.local/share}
launcher="$data_home/applications/quorlin-$name.desktop"
icon="$data_home/icons/hicolor/256x256/apps/quorlin-$name.png"

# The launcher's Exec value: the copy's path as one quoted argument, escaped
# first for the quotes, then as a desktop entry string.
quoted=$copy
for special in "\\" '"' '`' '$'; do
  quoted=${quoted//"$special"/\\$special}
done
quoted="\"$quoted\""
quoted=${quoted//\\/\\\\}
exec_line="Exec=$quoted"

mark_line=X-Quorlin-Installed=true

# Whether the launcher of NAME was written by this script.
launcher_is_ours() {
  [[ -f "$launcher" && ! -L "$launcher" ]] && grep -qxF -- "$mark_line" "$launcher"
}

# Whether the launcher of NAME was written by this script and starts this very copy.
launcher_starts_copy() {
  launcher_is_ours && grep -qxF -- "$exec_line" "$launcher"
}

sha256_of() {
  local sum
  sum=$(sha256sum <"$1")
  echo "${sum%% *}"
}

# Whether the icon is the one this copy's launcher records, byte for byte.
icon_is_ours() {
  [[ -f "$icon" && ! -L "$icon" ]] && launcher_starts_copy && grep -qxF -- "X-Quorlin-Icon-SHA256=$(sha256_of "$icon")" "$launcher"
}

# Stops unless every file at the paths of NAME either is absent or was
# installed by this script for this copy. ACTION says what would have happened.
require_own_files() {
  local action=$1
  if [[ -e "$launcher" || -L "$launcher" ]] && ! launcher_is_ours; then
    fail "$launcher was not made by this script (it lacks the line $mark_line);" \
      "it was left alone and nothing was $action."
  fi
  if launcher_is_ours && ! launcher_starts_copy; then
    fail "the launcher $launcher starts another program than $copy;" \
      "nothing was $action. Remove that panel first or choose another NAME."
  fi
  if [[ -e "$copy" || -L "$copy" ]] && ! launcher_starts_copy; then
    fail "$copy was not installed by this script (no launcher of it); it was left alone and nothing was $action."
  fi
  if [[ -e "$icon" || -L "$icon" ]] && ! icon_is_ours; then
    fail "the icon $icon was not installed by this script for $copy;" \
      "it was left alone and nothing was $action."
  fi
}

# Writes FILE in one step from the standard input, with MODE.
write_file() {
  local file=$1 mode=$2 temporary
  mkdir -p -- "$(dirname -- "$file")"
  temporary=$(mktemp -- "$file.XXXXXX")
  cat >"$temporary"
  chmod "$mode" -- "$temporary"
  mv -fT -- "$temporary" "$file"
}

if $remove; then
  require_own_files removed
  if [[ ! -e "$copy" && ! -L "$copy" && ! -e "$launcher" ]]; then
    echo "No panel $name is installed in $folder; nothing to remove."
    exit 0
  fi
  rm -f -- "$copy" "$launcher" "$icon"
  echo "Removed $copy and its launcher. Its settings ($name.ini under KD_QUORLIN in your configuration"
  echo "folder) and its \".conf\" file ($folder/$name-CRYPTO-CONFIG.conf) are kept."
  exit 0
fi

require_own_files installed

program=${QUORLIN_PANEL_PROGRAM:-}
if [[ -z "$program" ]]; then
  "$source_dir/scripts/build-release.sh"
  program="$source_dir/build/release/src/KD-QUORLIN"
fi
[[ -f "$program" && -x "$program" ]] || fail "$program is not a built program."

mkdir -p -- "$folder"
write_file "$copy" 755 <"$program"
write_file "$icon" 644 <"$source_dir/src/app/quorlin.png"
write_file "$launcher" 644 <<EOF
[Desktop Entry]
$mark_line
X-Quorlin-Icon-SHA256=$(sha256_of "$icon")
Type=Application
Name=Quorlin $name
GenericName=Node control panel
Comment=Start and stop the node of $name and write its .conf file
$exec_line
Icon=quorlin-$name
Terminal=false
Categories=Network;P2P;
EOF
echo "Installed $copy; the menu entry \"Quorlin $name\" starts it ($launcher)."
