#!/usr/bin/env bash
# The fade tool from outside: the bytes it prints, what it says on standard error
# and the status it ends with. The same table runs against the native tool and,
# under Wine, the Windows one, so both builds must give the same bytes.
#
# usage: fade_cli_test.sh [--native] [--measure] COMMAND...
#   COMMAND runs the tool (for Windows: cmake/wine-run.sh lumivane-fade.exe).
#   --native  adds the cases only a Linux build can be put through (/dev/full, a
#             directory as input, a memory limit, a pipe held open).
#   --measure adds the resident-memory bound (not under the sanitizers).
set -u
native=0 measure=0
while [ $# -gt 0 ]; do
    case $1 in
        --native) native=1; shift ;;
        --measure) measure=1; shift ;;
        *) break ;;
    esac
done
tool=("$@")
export LANG=C.UTF-8  # Wine reads arguments in the locale's encoding
# The preview's colours follow the terminal: the cases below are for a 24-bit one.
export COLORTERM=truecolor
unset NO_COLOR
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0 passed=0

fail() { echo "FAIL $*"; failures=$((failures + 1)); }

# case NAME STATUS STDIN EXPECTED-STDOUT STDERR-PATTERN -- ARGS...
# STDIN and EXPECTED-STDOUT are printf formats (\n, \e, \xHH); STDERR-PATTERN is an
# extended regular expression that standard error must match ('' = must be empty).
case_() {
    local name=$1 status=$2 input=$3 expected=$4 pattern=$5
    shift 6
    printf "$input" >"$work/in"
    printf "$expected" >"$work/want"
    "${tool[@]}" "$@" <"$work/in" >"$work/out" 2>"$work/err"
    local rc=$?
    if [ "$rc" != "$status" ]; then
        fail "$name: status $rc, wanted $status; stderr: $(head -c 300 "$work/err")"
    elif ! cmp -s "$work/out" "$work/want"; then
        fail "$name: output $(od -c "$work/out" | head -5), wanted $(od -c "$work/want" | head -5)"
    elif [ -z "$pattern" ] && [ -s "$work/err" ]; then
        fail "$name: unexpected stderr: $(head -c 300 "$work/err")"
    elif [ -n "$pattern" ] && ! grep -Eq -- "$pattern" "$work/err"; then
        fail "$name: stderr '$(head -c 300 "$work/err")' does not match /$pattern/"
    elif [ "$(wc -l <"$work/err")" -gt 1 ]; then
        fail "$name: more than one line on stderr: $(head -c 300 "$work/err")"
    else
        passed=$((passed + 1))
    fi
}

# The classic output, byte for byte as the tool printed it before gradients came.
line5='<font face="Arial"><Font Color=#808000>a<Font Color=#00FF00>b<Font Color=#00AA55>c<Font Color=#0055AA>d<Font Color=#0000FF>e'
case_ classic-words 0 '' "$line5\n" '' -- abcde
case_ classic-stdin 0 'abcde\r\n\n' "$line5\n<font face=\"Arial\">\n" '' --
case_ classic-joined 0 '' '<font face="X"><Font Color=#808000>a<Font Color=#00FF00> <Font Color=#0000FF>b\n' '' -- --face X a b
case_ classic-fade-only 0 'z\n' '<Font Color=#0000FF>z\n' '' -- --fade-only
case_ classic-hex 0 '' '<Font Color=#112233>q\n' '' -- --fade-only --colors '#000000,#000000,#112233' q
case_ classic-preview 0 '' '\e[38;2;0;0;255mz\e[0m\n' '' -- --preview z
case_ classic-preview-pair 0 '' '\e[38;2;0;255;0m\xf0\x9f\x98\x80\e[0m\n' '' -- --preview $'\xf0\x9f\x98\x80'
case_ classic-split-pair 0 '' '<font face="Arial"><Font Color=#00FF00>\xef\xbf\xbd<Font Color=#0000FF>\xef\xbf\xbd\n' '' -- $'\xf0\x9f\x98\x80'
case_ classic-empty-text 0 '' '<font face="Arial">\n' '' -- ''
case_ classic-empty-input 0 '' '' '' --

# Every chat format: two characters from red to blue, the ends exact in every blend.
two='--colors=#ff0000,#0000ff'
case_ aol-legacy 0 '' '<font face="Arial"><Font Color=#800080>a<Font Color=#0000FF>b\n' '' -- "$two" ab
case_ aol-rgb 0 '' '<font face="Arial"><Font Color=#FF0000>a<Font Color=#0000FF>b\n' '' -- "$two" --blend rgb ab
case_ html 0 '' '<span style="color:#ff0000">a</span><span style="color:#0000ff">b</span>\n' '' -- "$two" --format html ab
case_ ansi 0 '' '\e[38;2;255;0;0ma\e[38;2;0;0;255mb\e[0m\n' '' -- "$two" --format=ansi ab
case_ ansi-empty 0 '' '\n' '' -- --format ansi ''
case_ minimessage 0 '' '<#ff0000>\\\\<#0000ff>\\<\n' '' -- "$two" --format minimessage '\<'
case_ ampersand 0 '' '&#FF0000a&#0000FFb\n' '' -- "$two" --format ampersand ab
case_ section 0 '' '\xc2\xa7x\xc2\xa7f\xc2\xa7f\xc2\xa70\xc2\xa70\xc2\xa70\xc2\xa70a\xc2\xa7x\xc2\xa70\xc2\xa70\xc2\xa70\xc2\xa70\xc2\xa7f\xc2\xa7fb\n' '' -- "$two" --format section ab
case_ bbcode 0 '' '[color=#FF0000]a[/color][color=#0000FF]b[/color]\n' '' -- "$two" --format bbcode ab
case_ json 0 '' '[{"text":"\\"","color":"#ff0000"},{"text":"\\t","color":"#0000ff"}]\n' '' -- "$two" --format json $'"\t'
case_ html-escapes 0 '' '<span style="color:#ff0000">&lt;</span><span style="color:#0000ff">&amp;</span>\n' '' -- "$two" --format html '<&'
case_ oklab-ends 0 '' '[color=#FF0000]a[/color][color=#0000FF]b[/color]\n' '' -- "$two" --format bbcode --blend oklab ab
# One colour per character as the reader sees it: e and its accent stay together.
case_ rgb-cluster 0 '' '&#FF0000e\xcc\x81&#0000FFx\n' '' -- "$two" --format ampersand $'e\xcc\x81x'
case_ preview-rgb 0 '' '\e[38;2;255;0;0ma\e[38;2;0;0;255mb\e[0m\n' '' -- "$two" --format html --preview ab

# Lines: of the input and of a TEXT, a byte-order mark, bad UTF-8 after good lines.
case_ text-lines 0 '' '&#FF0000a&#0000FFb\n&#FF0000c&#0000FFd\n' '' -- "$two" --format ampersand $'ab\ncd'
case_ text-crlf 0 '' '[color=#FF0000]a[/color]\n[color=#FF0000]b[/color]\n' '' -- "$two" --format bbcode $'a\r\nb'
case_ byte-order-mark 0 '\xef\xbb\xbfab\n' '&#FF0000a&#0000FFb\n' '' -- "$two" --format ampersand
case_ bad-utf8 1 'ok\n\xff\nnever\n' '<Font Color=#0000FF>o<Font Color=#0000FF>k\n' 'line 2' -- --fade-only --colors 16711680,16711680

# Fitting a chat's limit: the finest fade that fits, or status 3 naming the line.
case_ fit-example 0 '' '<font face="Arial"><Font Color=#0000FF>fits?\n' '' -- --max-length 60 'fits?'
case_ fit-whole 0 '' "$line5\n" '' -- --max-length=124 abcde
case_ fit-too-short 3 'ok\nfits?\nnever\n' '<font face="Arial"><Font Color=#0000FF>ok\n' 'line 2.*44' -- --max-length 43
case_ fit-preview 0 '' '\e[38;2;0;0;255mfits?\e[0m\n' '' -- --max-length 60 --preview 'fits?'

# Refused options: one line naming the value, status 2, nothing on standard output.
case_ one-colour 2 '' '' "'255'" -- --colors 255 x
case_ too-many-colours 2 '' '' 'at most 64' -- --colors "$(printf '1,%.0s' {1..64})1" x
case_ bad-colour 2 '' '' "'red'" -- --colors 1,red,3 x
case_ bad-blend 2 '' '' "'sepia'" -- --blend sepia x
case_ bad-format 2 '' '' "'ircx'" -- --format=ircx x
case_ face-with-html 2 '' '' "'Tahoma'" -- --format html --face Tahoma x
case_ fade-only-with-json 2 '' '' 'fade-only' -- --fade-only --format json x
case_ face-control 2 '' '' "'A\\\\nB'" -- --face $'A\nB' x
case_ face-escape 2 '' '' 'x1B' -- --face $'\e[31m' x
case_ limit-zero 2 '' '' "'0'" -- --max-length 0 x
case_ limit-negative 2 '' '' "'-5'" -- --max-length=-5 x
case_ limit-word 2 '' '' "'ten'" -- --max-length ten x
case_ limit-ansi 2 '' '' 'ansi' -- --max-length 10 --format ansi x
case_ unknown-option 2 '' '' "'--shout'" -- --shout x
case_ flag-with-value 2 '' '' "'yes'" -- --fade-only=yes x
case_ missing-value 2 '' '' '--colors' -- --colors
case_ long-value 2 '' '' "'1{60}\\.\\.\\.'" -- --colors "$(printf '1%.0s' {1..20000})"
# Every chat that takes colour, its styles and the terminal conventions of --preview.
case_ irc 0 '' '\x02\x0304\x02\x02,1z\n' '' -- --format irc --bold --colors '#ff0000,#ff0000' ,1z
case_ irc-runs 0 '' '\x0304,\x03381\x0360z\n' '' -- --format irc --colors '#ff0000,#0000ff' ,1z
case_ discord 0 '' '```ansi\n\e[1;31mab\e[0m\n```\n' '' -- --format discord --bold --colors '#dc322f,#dc322f' ab
case_ discord-italic 2 '' '' 'Discord cannot show italic' -- --format discord --italic x
case_ hue-without-hue-blend 2 '' '' '--hue does not go with --blend rgb' -- --format html --hue longer x
case_ preset-and-reverse 0 '' '[color=#0038A8]a[/color][color=#D60270]b[/color]\n' '' -- --format bbcode --preset bi --reverse --colors '#d60270,#0038a8' ab
"${tool[@]}" --list-presets >"$work/presets" 2>&1 </dev/null
if grep -q '^trans #5BCEFA,#F5A9B8,#FFFFFF,#F5A9B8,#5BCEFA ' "$work/presets"; then
    passed=$((passed + 1))
else
    fail "list-presets: no trans flag line in $(head -c 300 "$work/presets")"
fi
case_ irc-bytes 3 '' '' 'cannot fit --max-length 5: it needs at least 8' -- --format irc --max-length 5 $'\xc3\xa9t\xc3\xa9'
COLORTERM= case_ preview-256 0 '' '\e[38;5;21mz\e[0m\n' '' -- --preview z
NO_COLOR=1 case_ preview-no-color 0 '' 'z\n' '' -- --preview z
NO_COLOR=1 case_ preview-depth-wins 0 '' '\e[38;2;0;0;255mz\e[0m\n' '' -- --preview --color-depth 24 z
NO_COLOR=1 case_ ansi-ignores-no-color 0 '' '\e[38;2;0;0;255mz\e[0m\n' '' -- --format ansi --colors 16711680,16711680 z
case_ sixty-four 0 '' '<Font Color=#000000>x\n' '' -- --fade-only --colors "$(printf '0,%.0s' {1..63})0" x

# --help names every format and ends well.
"${tool[@]}" --help >"$work/out" 2>&1
rc=$?
for word in aol html ansi minimessage ampersand section bbcode json max-length; do
    grep -q -- "$word" "$work/out" || fail "help: does not mention $word"
done
[ "$rc" = 0 ] || fail "help: status $rc"

if [ "$native" = 1 ]; then
    # Arguments that are not UTF-8 reach a Windows program already converted.
    case_ bad-utf8-text 1 '' '' 'line 1' -- $'\xc3'
    case_ huge-value 2 '' '' "^[^1]*'1{60}\\.\\.\\.'[^1]*'1{60}\\.\\.\\.'[^1]*$" -- --colors "$(printf '1%.0s' {1..100000})"

    # Failures to write or read: a message and status 4.
    "${tool[@]}" hi >/dev/full 2>"$work/err"
    rc=$?; { [ "$rc" = 4 ] && grep -q 'cannot write' "$work/err"; } || fail "full disk: status $rc, $(cat "$work/err")"
    "${tool[@]}" --help >/dev/full 2>"$work/err"
    rc=$?; { [ "$rc" = 4 ] && grep -q 'cannot write' "$work/err"; } || fail "help to full disk: status $rc"
    "${tool[@]}" <"$work" >"$work/out" 2>"$work/err"
    rc=$?; { [ "$rc" = 4 ] && grep -q 'cannot read' "$work/err"; } || fail "directory as input: status $rc, $(cat "$work/err")"

    # Out of memory: a line too long for the memory allowed is a message and status 4.
    # (The line itself must be held, in UTF-8 and UTF-16: 90 MB for this one.)
    if (ulimit -v 100000; "${tool[@]}" ok >/dev/null 2>&1); then
        head -c 30000000 /dev/zero | tr '\0' 'a' >"$work/long"
        (ulimit -v 100000; "${tool[@]}" --format json <"$work/long" >/dev/null 2>"$work/err")
        rc=$?; { [ "$rc" = 4 ] && grep -q 'line 1' "$work/err"; } || fail "out of memory: status $rc, $(head -c 300 "$work/err")"
    fi

    # Streaming: the first line's output comes while the input is still open.
    coproc fade { "${tool[@]}" --format ampersand "$two"; }
    printf 'ab\n' >&"${fade[1]}"
    if IFS= read -r -t 10 first <&"${fade[0]}"; then
        [ "$first" = '&#FF0000a&#0000FFb' ] || fail "streaming: first line '$first'"
    else
        fail "streaming: no line while the input stays open"
    fi
    exec {fade[1]}>&-
    wait "$fade_PID" || fail "streaming: status $?"
fi

if [ "$measure" = 1 ]; then
    # 10 MB of input through --format html in bounded memory.
    yes 'The quick brown fox jumps over the lazy dog, and <the> "dog" & cat say hi' |
        head -c 10000000 >"$work/ten"
    /usr/bin/time -f '%M' -o "$work/rss" "${tool[@]}" --format html <"$work/ten" >/dev/null
    rss=$(tail -n 1 "$work/rss")
    echo "10 MB through --format html: maximum resident set ${rss} KB"
    [ "$rss" -lt 65536 ] || fail "memory: ${rss} KB resident, over 64 MB"
    # The same 10 MB as one single line: the output line is written as it is made.
    tr -d '\n' <"$work/ten" >"$work/one"
    /usr/bin/time -f '%M' -o "$work/rss" "${tool[@]}" --format html <"$work/one" >/dev/null
    rss=$(tail -n 1 "$work/rss")
    echo "one 10 MB line through --format html: maximum resident set ${rss} KB"
    [ "$rss" -lt 65536 ] || fail "memory: ${rss} KB resident for one line, over 64 MB"
fi

echo "fade tool: $passed passed, $failures failed"
[ "$failures" -eq 0 ]
