#!/usr/bin/env bash
# Runs the chat line fuzzer for a bounded time (seconds, default 60) on a corpus
# kept in the build tree.
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-60}
corpus=build/fuzz/corpus
mkdir -p "$corpus"
build/fuzz/fuzz/compose_fuzz -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
    "$corpus" 2>&1 | grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units|==[0-9]+==|SUMMARY|Done)' || true
test "${PIPESTATUS[0]}" -eq 0
