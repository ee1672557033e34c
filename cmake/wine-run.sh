#!/usr/bin/env bash
# Runs one Windows program under Wine, in the build tree's private prefix.
set -eu
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if [ -z "${LUMIVANE_WINE_DIR:-}" ]; then
    # CTest runs tests in their build folder; the prefix lives at the build root.
    dir=$PWD
    while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
    [ -f "$dir/CMakeCache.txt" ] && LUMIVANE_WINE_DIR="$dir/wine"
fi
. "$here/wine-env.sh"
exec wine "$@"
