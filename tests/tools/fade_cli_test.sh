#!/usr/bin/env bash
# The fade tool from outside: what it prints and the exit status it ends with.
set -u
tool=$1
failures=0
expect() {  # expect NAME STATUS EXPECTED-STDOUT -- COMMAND...
    local name=$1 status=$2 expected=$3
    shift 4
    local out rc
    out=$("$@" 2>/tmp/fade_cli_err.$$)
    rc=$?
    if [ "$rc" != "$status" ] || [ "$out" != "$expected" ]; then
        echo "FAIL $name: status $rc (wanted $status), output '$out' (wanted '$expected'), stderr '$(cat /tmp/fade_cli_err.$$)'"
        failures=$((failures + 1))
    fi
}
line5='<font face="Arial"><Font Color=#808000>a<Font Color=#00FF00>b<Font Color=#00AA55>c<Font Color=#0055AA>d<Font Color=#0000FF>e'
expect words 0 "$line5" -- "$tool" abcde
expect stdin 0 "$line5"$'\n''<font face="Arial">' -- bash -c "printf 'abcde\r\n\n' | '$tool'"
expect joined 0 '<font face="X"><Font Color=#808000>a<Font Color=#00FF00> <Font Color=#0000FF>b' -- \
    "$tool" --face X a b
expect fade-only 0 '<Font Color=#0000FF>z' -- "$tool" --fade-only z
expect hex-colours 0 '<Font Color=#112233>q' -- "$tool" --fade-only --colors '#000000,#000000,#112233' q
expect bad-colour 2 '' -- "$tool" --colors 1,2 x
expect bad-option 2 '' -- "$tool" --nope x
expect bad-utf8 1 '' -- bash -c "printf 'ok\n\xff\n' | '$tool'"
expect preview 0 $'\e[38;2;0;0;255mz\e[0m' -- "$tool" --preview z
rm -f /tmp/fade_cli_err.$$
[ "$failures" -eq 0 ] && echo "fade tool: all cases passed"
exit "$failures"
