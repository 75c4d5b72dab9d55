#!/usr/bin/env bash
# Puts what a Windows user downloads into BUILD_DIR/package:
#   Quorlin-<version>-windows-x64.zip  the runnable folder Quorlin, to unpack anywhere
#   Quorlin-<version>-setup.exe        the installer (per user, no administrator rights)
#   SHA256SUMS                         the checksums of both
# It builds first with build-windows.sh (in build/windows unless BUILD_DIR is
# given; an existing build is reused), whose build makes both packages.
#
#   package-windows.sh [BUILD_DIR] [CMAKE_OPTION...]
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/windows}
(($#)) && shift
scripts/build-windows.sh "$build" "$@"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
packages=("Quorlin-$version-windows-x64.zip" "Quorlin-$version-setup.exe")
package="$build/package"
rm -rf "$package"
mkdir -p "$package"
for file in "${packages[@]}"; do
  [[ -f "$build/$file" ]] || {
    echo "The build made no $build/$file: makensis was not found when it was configured." >&2
    exit 1
  }
  cp "$build/$file" "$package/"
done
(cd "$package" && sha256sum "${packages[@]}" >SHA256SUMS)
echo "The Windows packages, with SHA256SUMS: $package"
