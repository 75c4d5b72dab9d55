#!/usr/bin/env bash
# Prints where Qt for Windows lives: with --cache the cache folder that
# build-qt-windows.sh fills, otherwise the Qt prefix inside it. Exits 1 (and
# prints nothing) without --cache when that Qt is not complete there.
set -euo pipefail
cache="${QUORLIN_QT_WINDOWS:-${XDG_CACHE_HOME:-$HOME/.cache}/quorlin/qt-6.4.2-mingw-w64}"
if [[ "${1:-}" == "--cache" ]]; then
  echo "$cache"
elif [[ -f "$cache/prefix/.quorlin-complete" ]]; then
  echo "$cache/prefix"
else
  exit 1
fi
