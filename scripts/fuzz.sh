#!/usr/bin/env bash
# Runs every fuzz target of the fuzz build for a bounded time each (seconds,
# default 60), on a corpus per target kept in the build tree.
#
# The step passes only if each target ran for the whole time asked, executed
# inputs and found nothing. A missing or silent fuzzer is a failure, never a pass.
# The number of inputs executed goes to standard output and, for `make check`'s
# summary, to build/fuzz/executed.
set -u
cd "$(dirname "$0")/.."
seconds=${1:-60}
fuzz_dir=build/fuzz/fuzz
summary=build/fuzz/executed

case $seconds in
'' | *[!0-9]* | 0) echo "fuzz: the time must be a whole number of seconds above 0, not '$seconds'" >&2; exit 2 ;;
esac
mkdir -p build/fuzz
rm -f "$summary"

targets=()
for target in "$fuzz_dir"/*_fuzz; do
    [ -x "$target" ] && targets+=("$target")
done
if [ ${#targets[@]} -eq 0 ]; then
    echo "fuzz: no fuzz target in $fuzz_dir; build it first (cmake --preset fuzz && cmake --build --preset fuzz)" >&2
    exit 1
fi

failed=0
executed_total=0
for target in "${targets[@]}"; do
    name=$(basename "$target")
    corpus=build/fuzz/corpus/$name
    log=build/fuzz/$name.log
    mkdir -p "$corpus"
    "$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 "$corpus" >"$log" 2>&1
    status=$?
    # What libFuzzer says at the end of a run that found nothing.
    executed=$(sed -nE 's/^stat::number_of_executed_units: *([0-9]+).*/\1/p' "$log" | tail -n 1)
    ran_for=$(sed -nE 's/^Done [0-9]+ runs in ([0-9]+) second.*/\1/p' "$log" | tail -n 1)
    problem=
    if [ "$status" -ne 0 ]; then
        problem="exited with status $status"
    elif [ -z "$executed" ] || [ "$executed" -eq 0 ]; then
        problem="executed no input"
    elif [ -z "$ran_for" ] || [ "$ran_for" -lt "$seconds" ]; then
        problem="ran ${ran_for:-no} seconds of the $seconds asked"
    fi
    if [ -n "$problem" ]; then
        echo "fuzz: $name $problem; its output:" >&2
        grep -E '^(==[0-9]+==|SUMMARY|INFO: |ERROR|Done|stat::)|runtime error' "$log" | head -n 40 >&2
        failed=1
        continue
    fi
    executed_total=$((executed_total + executed))
    echo "fuzz: $name executed $executed inputs in $ran_for s and found nothing"
done
[ "$failed" -eq 0 ] || exit 1
echo "$executed_total" >"$summary"
