#!/usr/bin/env bash
# make package: builds lumivane.exe for 64-bit and 32-bit Windows and puts each,
# with README.md, into build/packages/lumivane-<version>-<arch>.zip; and the web
# page into build/packages/lumivane-<version>-web.zip: the site folder to put on
# any static host, and the single-file page lumivane.html beside it.
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
web=${LUMIVANE_BUILD_ROOT:-build}/wasm
[ -f "$web/CMakeCache.txt" ] || cmake --preset wasm -B "$web" >/dev/null
NODE_PATH=/usr/share/nodejs cmake --build "$web" -j2 --target lumivane_site >/dev/null
stage=$(mktemp -d)
mkdir "$stage/lumivane-web"
cp -R "$web/web/site/." "$stage/lumivane-web/"
cp "$web/web/lumivane.html" "$stage/lumivane-web/lumivane-single-file.html"
zip_file="$PWD/$out/lumivane-$version-web.zip"
rm -f "$zip_file"
(cd "$stage" && zip -q -X -r "$zip_file" lumivane-web)
rm -rf "$stage"
echo "$out/lumivane-$version-web.zip"
