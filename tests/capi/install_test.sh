#!/usr/bin/env bash
# Installs the C library from a build tree into a fresh prefix, builds the C example of
# the README's "C library" section with the C compiler and pkg-config alone, runs it, and
# compares its line with lumivane-fade's for the same options.
#
# usage: install_test.sh BUILD_DIR README FADE_TOOL C_COMPILER [LINK_FLAG...]
set -eu
build=$1 readme=$2 fade=$3 cc=$4
shift 4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null
pc=$(find "$work/prefix" -name lumivane.pc)
[ -n "$pc" ] || { echo "no lumivane.pc installed"; exit 1; }
for file in include/lumivane.h; do
    [ -f "$work/prefix/$file" ] || { echo "not installed: $file"; exit 1; }
done

# The first C block after the section's heading.
awk '/^## C library/ {section = 1} section && /^```c$/ {code = 1; next}
     code && /^```$/ {exit} code {print}' "$readme" >"$work/example.c"
[ -s "$work/example.c" ] || { echo "no C example in the README's C library section"; exit 1; }

export PKG_CONFIG_PATH="$(dirname "$pc")"
# shellcheck disable=SC2046 # pkg-config's flags are words
"$cc" -o "$work/example" "$work/example.c" $(pkg-config --cflags --libs lumivane) "$@"
"$work/example" >"$work/got"
"$fade" --format minimessage --colors '#ff5555,#55ff55' Hello >"$work/want"
if ! cmp -s "$work/got" "$work/want"; then
    echo "the README's example printed:"; cat "$work/got"
    echo "lumivane-fade printed:"; cat "$work/want"
    exit 1
fi
echo "installed, built with $(pkg-config --libs lumivane), printed: $(cat "$work/got")"
