#!/usr/bin/env bash
# The lint gates; exits non-zero on any finding.
#   --format  every C and C++ file git tracks is laid out as .clang-format says
#             (scripts/format.sh lays them out so);
#   --tidy    clang-tidy's checks (.clang-tidy) over the portable code, the tools, the
#             benchmark and the tests, as the native preset compiles them.
# Without an option it runs both. The findings name file, line and check.
set -u
cd "$(dirname "$0")/.."
jobs=${LUMIVANE_LINT_JOBS:-2}

check_format() {
    echo "clang-format: $(clang-format --version | head -n 1)"
    git ls-files -z '*.c' '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
}

check_tidy() {
    echo "clang-tidy: $(clang-tidy --version | sed -n 's/^.*LLVM version /LLVM /p' | head -n 1)"
    # The native preset writes the compile commands; configuring is enough.
    cmake --preset native >/dev/null || return 1
    local commands=build/native/compile_commands.json
    # Every file the native build compiles, bar third-party code (none is in the tree);
    # headers are checked through them (HeaderFilterRegex in .clang-tidy).
    local files
    mapfile -t files < <(sed -n 's/^ *"file": "\(.*\)",\{0,1\}$/\1/p' "$commands" | sort -u)
    [ ${#files[@]} -gt 0 ] || { echo "no files in $commands" >&2; return 1; }
    # -w: the compiler's own warnings are the build's gate (LUMIVANE_STRICT_WARNINGS),
    # and clang's set differs from g++'s.
    printf '%s\n' "${files[@]}" |
        xargs -d '\n' -P "$jobs" -n 4 clang-tidy -p build/native --quiet --extra-arg=-w
}

status=0
case ${1:-all} in
--format) check_format || status=1 ;;
--tidy) check_tidy || status=1 ;;
all)
    check_format || status=1
    check_tidy || status=1
    ;;
*)
    echo "usage: $0 [--format | --tidy]" >&2
    exit 2
    ;;
esac
exit $status
