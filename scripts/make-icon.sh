#!/usr/bin/env bash
# Draws the program's icon (the green KALDERA / rule / QUORLIN picture of the
# settings button on black, squared) and writes src/app/quorlin.ico with the
# sizes Windows asks for, and src/app/quorlin.png (256 pixels) for desktop
# launchers on Linux. Needs ImageMagick and fonts-liberation.
set -euo pipefail
cd "$(dirname "$0")/.."

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

convert -size 256x256 xc:black -fill '#00ff00' -font Liberation-Sans-Bold -pointsize 46 \
  -gravity center -annotate +0-42 KALDERA -annotate +0+44 QUORLIN \
  -draw 'rectangle 24,125 231,131' "$work/icon-256.png"
convert "$work/icon-256.png" -define icon:auto-resize=256,48,32,16 src/app/quorlin.ico
convert "$work/icon-256.png" -strip PNG32:src/app/quorlin.png
