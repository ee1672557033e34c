#!/usr/bin/env bash
# Builds every preset and runs every test: native, the lint gates (layout and
# clang-tidy), native under the sanitizers, the fuzzer for a bounded time, the 32-bit
# Windows build, the 64-bit Windows tests under Wine, and the web page (its
# WebAssembly engine compared with the native one, and the page in headless
# Chromium). Goes on past a failure so that one run shows them all, and
# exits non-zero if anything failed.
set -u
cd "$(dirname "$0")/.."
fuzz_seconds=${LUMIVANE_FUZZ_SECONDS:-60}
failed=()
passed_total=0
failed_total=0

step() {  # step NAME COMMAND...
    local name=$1
    shift
    echo "== $name"
    if ! "$@"; then failed+=("$name"); fi
}

run_tests() {  # run_tests PRESET
    local log
    log=$(mktemp)
    ctest --preset "$1" 2>&1 | tee "$log"
    local status=${PIPESTATUS[0]}
    local summary
    summary=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1)
    if [ -n "$summary" ]; then
        local total failures
        total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$summary")
        failures=$(sed -E 's/.*passed, ([0-9]+) tests failed.*/\1/' <<<"$summary")
        passed_total=$((passed_total + total - failures))
        failed_total=$((failed_total + failures))
    fi
    rm -f "$log"
    return "$status"
}

build() { cmake --preset "$1" >/dev/null && cmake --build --preset "$1"; }

step "native build" build native
step "native tests" run_tests native
step "format" scripts/lint.sh --format
step "clang-tidy" scripts/lint.sh --tidy
# After the native build: the web tests compare the module with its programs.
step "wasm build" build wasm
step "web tests" run_tests wasm
step "sanitizer build" build native-asan
step "sanitizer tests" run_tests native-asan
step "fuzz build" build fuzz
step "fuzz (${fuzz_seconds}s)" scripts/fuzz.sh "$fuzz_seconds"
step "win32 build" build win32
step "win64 build" build win64
step "win64 tests under Wine" run_tests win64

echo
if [ -s build/fuzz/executed ]; then
    echo "fuzz: $(cat build/fuzz/executed) inputs executed in ${fuzz_seconds}s a target, nothing found"
else
    echo "fuzz: did not run to its end"
fi
if [ ${#failed[@]} -gt 0 ]; then
    echo "Failed steps: ${failed[*]}"
    # A step that fails without a failed test (a build, the fuzzer) still counts.
    [ "$failed_total" -gt 0 ] || failed_total=${#failed[@]}
    echo "check: $passed_total passed, $failed_total failed"
    exit 1
fi
echo "check: $passed_total passed, $failed_total failed"
