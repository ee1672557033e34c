#!/usr/bin/env bash
# Runs one Windows program under Wine, in the build tree's private prefix.
#
# Now and then, on a loaded machine, Wine fails to start a program at all: its
# loader prints "Application could not be started ..." and the program never ran.
# That says nothing about the program, so such a start is tried again, twice at
# most. Any other result, a failure included, is the program's own and is passed on.
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if [ -z "${LUMIVANE_WINE_DIR:-}" ]; then
    # CTest runs tests in their build folder; the prefix lives at the build root.
    dir=$PWD
    while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
    [ -f "$dir/CMakeCache.txt" ] && LUMIVANE_WINE_DIR="$dir/wine"
fi
. "$here/wine-env.sh"

err=$(mktemp)
trap 'rm -f "$err"' EXIT
for attempt in 1 2 3; do
    # Standard output goes straight through; standard error is also kept to be read.
    {
        wine "$@" 2>&1 1>&3 3>&- | tee "$err" >&2
        status=${PIPESTATUS[0]}
    } 3>&1
    if [ "$status" = 0 ] || ! grep -q '^Application could not be started' "$err"; then
        exit "$status"
    fi
    echo "wine-run.sh: Wine could not start $1 (try $attempt of 3)" >&2
    sleep 1
done
exit "$status"
