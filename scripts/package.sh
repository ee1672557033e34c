#!/usr/bin/env bash
# make package: builds lumivane.exe for 64-bit and 32-bit Windows and puts each,
# with README.md, into build/packages/lumivane-<version>-<arch>.zip.
#
# usage: scripts/package.sh
# LUMIVANE_BUILD_ROOT puts the two build trees elsewhere than build/.
set -eu
cd "$(dirname "$0")/.."
version=$(sed -nE 's/^set\(LUMIVANE_VERSION ([^)]+)\).*/\1/p' version.cmake)
out=build/packages
mkdir -p "$out"
for arch in win64 win32; do
    tree=${LUMIVANE_BUILD_ROOT:-build}/$arch
    [ -f "$tree/CMakeCache.txt" ] || cmake --preset "$arch" -B "$tree" >/dev/null
    cmake --build "$tree" -j2 --target lumivane >/dev/null
    stage=$(mktemp -d)
    cp "$tree/ui/lumivane.exe" README.md "$stage/"
    zip_file="$PWD/$out/lumivane-$version-$arch.zip"
    rm -f "$zip_file"
    (cd "$stage" && zip -q -X "$zip_file" lumivane.exe README.md)
    rm -rf "$stage"
    echo "$out/lumivane-$version-$arch.zip"
done
