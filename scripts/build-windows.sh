#!/usr/bin/env bash
# Cross-builds the panel for 64-bit Windows, with every test program that
# applies there, against the Qt for Windows that build-qt-windows.sh made, in
# build/windows (or the folder given); then lays out the runnable folder
# <build>/Quorlin: KD-QUORLIN.exe with Qt's and the runtime's DLLs and plugins.
#
#   build-windows.sh [BUILD_DIR] [CMAKE_OPTION...]
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/windows}
(($#)) && shift
qt=$(scripts/qt-windows-prefix.sh) || {
  echo "Qt for Windows is not built on this machine: scripts/build-qt-windows.sh builds it" >&2
  echo "(about 40 CPU-minutes, once), or unpacks QUORLIN_QT_WINDOWS_ARCHIVE." >&2
  exit 1
}
scripts/setup.sh ninja-build

# Qt's toolchain file finds Qt's packages and then loads the project's own one.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DQUORLIN_BUILD_BENCHMARKS=OFF "$@" >"$build.configure.log" 2>&1 || {
  cat "$build.configure.log" >&2
  exit 1
}
cmake --build "$build" -j"$(nproc)"
rm -rf "$build/Quorlin"
cmake --install "$build" --prefix "$build/Quorlin" >/dev/null
echo "The Windows program: $build/Quorlin/KD-QUORLIN.exe"
