#!/usr/bin/env bash
# Installs what is missing, builds the panel and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

# The panel is a window: without a desktop session, building it first would
# only end in Qt's "could not connect to display".
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "The panel needs a desktop session, and neither DISPLAY nor WAYLAND_DISPLAY is set." >&2
  echo "Run this from a terminal on your desktop (or with ssh -X); nothing was built." >&2
  exit 1
fi

scripts/build-release.sh
exec build/release/src/KD-QUORLIN
