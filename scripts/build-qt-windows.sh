#!/usr/bin/env bash
# Builds Qt for 64-bit Windows (qtbase: Core, Gui, Widgets, Test, Concurrent and
# the windows, offscreen and minimal platform plugins) with mingw-w64, from
# Debian's own qt6-base source package and with Debian's own Qt as host tools,
# into a cache folder. Once per machine: about 40 CPU-minutes. Nothing happens
# when the cache is complete already.
#
#   QUORLIN_QT_WINDOWS          the cache folder (default
#                               ${XDG_CACHE_HOME:-~/.cache}/quorlin/qt-6.4.2-mingw-w64)
#   QUORLIN_QT_WINDOWS_ARCHIVE  a tar.xz of a prefix made by this script (top folder
#                               prefix/): unpacked instead of building
#
# Qt lands in <cache>/prefix. Outside the cache, the only change to the system is
# apt installing Debian packages; the source comes through a private apt
# configuration in the cache, made from the system's own package sources.
set -euo pipefail
cd "$(dirname "$0")/.."

cache=$(scripts/qt-windows-prefix.sh --cache)
prefix="$cache/prefix"
stamp="$prefix/.quorlin-complete"
say() { printf '[%(%H:%M:%S)T] build-qt-windows: %s\n' -1 "$*"; }

if [[ -f "$stamp" ]]; then
  say "Qt for Windows is already in $prefix"
  exit 0
fi

# The same packages for both ways: host tools, the compilers the prefix's
# toolchain file names, and what unpacks a Debian source package.
scripts/setup.sh gcc-mingw-w64-x86-64-posix ninja-build dpkg-dev xz-utils perl
rm -rf "$prefix"
mkdir -p "$cache"

if [[ -n "${QUORLIN_QT_WINDOWS_ARCHIVE:-}" ]]; then
  say "unpacking $QUORLIN_QT_WINDOWS_ARCHIVE"
  tar -xJf "$QUORLIN_QT_WINDOWS_ARCHIVE" -C "$cache"
  [[ -f "$prefix/lib/cmake/Qt6/Qt6Config.cmake" ]] || {
    echo "$QUORLIN_QT_WINDOWS_ARCHIVE holds no Qt prefix (prefix/lib/cmake/Qt6)" >&2
    exit 1
  }
  touch "$stamp"
  say "Qt for Windows is in $prefix"
  exit 0
fi

# The host tools must be of the very version that is built.
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
work="$cache/work"
rm -rf "$work"
mkdir -p "$work/apt/lists/partial" "$work/apt/sources.list.d"

say "fetching the source of qt6-base $version"
# The system's own package sources, as source entries, in a private apt
# configuration: the system's lists stay as they are.
for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
  [[ -f "$list" ]] && sed -n 's/^deb \(.*\)$/deb-src \1/p' "$list"
done >"$work/apt/sources.list"
for sources in /etc/apt/sources.list.d/*.sources; do
  [[ -f "$sources" ]] && sed 's/^Types:.*$/Types: deb-src/' "$sources" \
    >"$work/apt/sources.list.d/$(basename "$sources")"
done
apt_private=(-o "Dir::Etc::SourceList=$work/apt/sources.list"
  -o "Dir::Etc::SourceParts=$work/apt/sources.list.d"
  -o "Dir::State::Lists=$work/apt/lists" -o "APT::Sandbox::User=root")
apt-get "${apt_private[@]}" update -qq
(cd "$work" && apt-get "${apt_private[@]}" source -qq "qt6-base=$version" >/dev/null)
source_dir=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
[[ -d "$source_dir" ]] || { echo "apt-get source left no qt6-base folder in $work" >&2; exit 1; }

mkdir -p "$prefix"
cp cmake/mingw-w64-x86_64.cmake "$prefix/mingw-w64-x86_64.cmake"

say "configuring (log: $work/configure.log)"
# Three settings that Qt 6.4 needs on mingw-w64 without OpenGL: OpenGL off
# takes both the input and the feature (dynamic GL would stay on otherwise);
# direct2d stays on (qwindows does not link without it) but not direct2d 1.1;
# tablet events off, as the dfsg source has no wintab.
features_off=(network sql dbus vulkan printsupport qmake windeployqt androiddeployqt icu
  pkg_config opengl direct2d1_1 tabletevent system_zlib system_pcre2 system_png
  system_jpeg system_freetype system_harfbuzz system_doubleconversion
  system_textmarkdownreader)
features_on=(testlib concurrent direct2d)
configure=(-G Ninja -S "$source_dir" -B "$work/build"
  -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64-x86_64.cmake"
  -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF -DINPUT_opengl=no)
for feature in "${features_off[@]}"; do configure+=("-DFEATURE_$feature=OFF"); done
for feature in "${features_on[@]}"; do configure+=("-DFEATURE_$feature=ON"); done
cmake "${configure[@]}" >"$work/configure.log" 2>&1 || {
  tail -n 40 "$work/configure.log" >&2
  exit 1
}

say "building at low priority (log: $work/build.log); progress every 30 s"
start=$SECONDS
nice -n 19 cmake --build "$work/build" -j"$(nproc)" >"$work/build.log" 2>&1 &
builder=$!
last=""
while kill -0 "$builder" 2>/dev/null; do
  sleep 30
  step=$(grep -o '^\[[0-9]*/[0-9]*\]' "$work/build.log" | tail -n 1 || true)
  [[ -n "$step" && "$step" != "$last" ]] && say "step $step" && last=$step
done
wait "$builder" || {
  grep -B 5 -A 20 -m 3 'FAILED:' "$work/build.log" >&2 || tail -n 40 "$work/build.log" >&2
  exit 1
}
say "built in $(((SECONDS - start) / 60)) min; installing"
cmake --install "$work/build" >"$work/install.log" 2>&1
rm -rf "$work"
touch "$stamp"
say "Qt for Windows is in $prefix ($(du -sh "$prefix" | cut -f1))"
