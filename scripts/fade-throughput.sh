#!/usr/bin/env bash
# Throughput of the fade tool on a 1 MB text file: lines per second and MB of
# output per second, for a few formats and blends. The file is made here, the same
# every time with the same awk (Debian's default is mawk): chat-like lines of 3 to
# 14 words, some accented, some emoji, some of the markups' special characters.
# Each case is run five times; the fastest counts.
#
# usage: scripts/fade-throughput.sh [TOOL]   (default build/native/tools/fade/lumivane-fade)
set -eu
cd "$(dirname "$0")/.."
tool=${1:-build/native/tools/fade/lumivane-fade}
[ -x "$tool" ] || { echo "no $tool: build it first (cmake --preset native && cmake --build --preset native)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

awk 'BEGIN {
    srand(7)
    n = split("the quick brown fox jumps over a lazy dog in the chat room hello there " \
              "friends caf\xc3\xa9 na\xc3\xafve gradient colour \xf0\x9f\x98\x80 <b> & \"quoted\"", w, " ")
    while (size < 1000000) {
        k = 3 + int(rand() * 12); line = w[1 + int(rand() * n)]
        for (i = 1; i < k; ++i) line = line " " w[1 + int(rand() * n)]
        print line; size += length(line) + 1
    }
}' >"$work/text"
lines=$(wc -l <"$work/text")
bytes=$(wc -c <"$work/text")
echo "input: $lines lines, $bytes bytes; tool: $tool"
echo
echo "| options | lines/s | output MB/s | output MB | best of 5 |"
echo "|---|---|---|---|---|"
measure() {  # measure OPTIONS...
    local best=999999999999 start end took
    for _ in 1 2 3 4 5; do
        start=$(date +%s%N)
        "$tool" "$@" <"$work/text" >"$work/out"
        end=$(date +%s%N)
        took=$((end - start))
        [ "$took" -lt "$best" ] && best=$took
    done
    local out
    out=$(wc -c <"$work/out")
    awk -v l="$lines" -v o="$out" -v ns="$best" -v opts="$*" 'BEGIN {
        s = ns / 1e9
        printf "| `%s` | %.0f | %.0f | %.1f | %.3f s |\n", opts == "" ? "(none)" : opts, l / s, o / 1e6 / s, o / 1e6, s
    }'
}
measure
measure --blend rgb
measure --blend oklab
measure --format html
measure --format json
measure --format minimessage --max-length 256
