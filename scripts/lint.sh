#!/usr/bin/env bash
# The lint gates; exits non-zero on any finding.
#   --format  every C and C++ file git tracks is laid out as .clang-format says
#             (scripts/format.sh lays them out so);
#   --tidy    clang-tidy's checks (.clang-tidy) over every file the native preset
#             compiles (the portable code, the tools, the benchmark, the tests), then
#             over the files only the win64 preset compiles (the window, the Win32
#             chat and settings code, the stand-in chat room, the Windows tests), read
#             as MinGW-w64 compiles them.
# Without an option it runs both. The findings name file, line and check.
# LUMIVANE_LINT_JOBS (2) clang-tidy processes run at once.
set -u
cd "$(dirname "$0")/.."
jobs=${LUMIVANE_LINT_JOBS:-2}

check_format() {
    echo "clang-format: $(clang-format --version | head -n 1)"
    git ls-files -z '*.c' '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
}

# The source files a preset's compile commands name (configuring writes them).
compiled_files() {  # compiled_files PRESET
    cmake --preset "$1" >/dev/null || return 1
    sed -n 's/^ *"file": "\(.*\)",\{0,1\}$/\1/p' "build/$1/compile_commands.json" | sort -u
}

# clang-tidy over the files on standard input; -w: the compiler's own warnings are the
# build's gate (LUMIVANE_STRICT_WARNINGS), and clang's set differs from g++'s.
tidy() {  # tidy PRESET [CLANG-TIDY OPTION]...
    local preset=$1
    shift
    xargs -r -d '\n' -P "$jobs" -n 4 clang-tidy -p "build/$preset" --quiet --extra-arg=-w "$@"
}

check_tidy() {
    echo "clang-tidy: $(clang-tidy --version | sed -n 's/^.*LLVM version /LLVM /p' | head -n 1)"
    local native windows status=0
    native=$(compiled_files native) || return 1
    [ -n "$native" ] || { echo "the native preset compiles nothing" >&2; return 1; }
    tidy native <<<"$native" || status=1

    # The Windows-only files, as clang reads them for MinGW-w64: its target, and the
    # C++ headers of the MinGW-w64 g++ that the win64 preset compiles with.
    if ! windows=$(compiled_files win64); then
        echo "cannot configure the win64 preset: the Windows-only files are not checked" >&2
        return 1
    fi
    windows=$(grep -vxF -f <(printf '%s\n' "$native") <<<"$windows" | grep -v '/googletest/')
    if [ -n "$windows" ]; then
        local compiler args=(--extra-arg=--target=x86_64-w64-mingw32)
        compiler=$(sed -n 's/^ *"command": "\([^ ]*\) .*/\1/p' build/win64/compile_commands.json |
                   head -n 1)
        while read -r dir; do
            args+=("--extra-arg-before=-isystem$dir")
        done < <(echo | "$compiler" -xc++ -E -v - 2>&1 |
                 sed -n '/search starts here/,/End of search list/p' | grep '^ /.*/c++')
        tidy win64 "${args[@]}" <<<"$windows" || status=1
    fi
    return $status
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
