#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing the panel
# need, when they are missing, and the packages named as arguments. Runs apt-get through sudo when not root; sudo
# clears the environment, so apt's settings go through it as arguments of env.
set -euo pipefail

packages=(
  cmake g++ make pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools libgl-dev
  fonts-liberation
  libbenchmark-dev
  xvfb xauth x11-utils openbox libxcb1-dev xdotool imagemagick
  desktop-file-utils libglib2.0-bin
  litecoind litecoin-qt
  iproute2 util-linux procps
  g++-mingw-w64-x86-64-posix wine wine64 nsis
  clang-14 libclang-rt-14-dev
  libx11-dev python3
  "$@"
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=()
  ((EUID == 0)) || sudo=(sudo)
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
