#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing the panel
# need, when they are missing. Runs apt-get through sudo when not root.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  fonts-liberation
  libbenchmark-dev
  xvfb xauth openbox libxcb1-dev
  litecoind litecoin-qt
  iproute2 util-linux procps
  g++-mingw-w64-x86-64-posix wine64
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
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
