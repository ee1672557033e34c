#!/usr/bin/env bash
# Stops with one line that says what to install when this machine's CMake is older
# than the project needs (the build presets need the version that the top
# CMakeLists.txt requires). Run by every make target, before any preset is read.
set -eu
cd "$(dirname "$0")/.."
need=$(sed -nE 's/^cmake_minimum_required\(VERSION ([0-9.]+)\).*/\1/p' CMakeLists.txt)
have=$(cmake --version 2>/dev/null | sed -nE '1s/^cmake version ([0-9]+(\.[0-9]+)*).*/\1/p' || true)
advice="Debian 12 and Ubuntu 24.04 ship it as the cmake package; on an older system install a newer CMake (for example 'pip install cmake') and put it first in PATH"
if [ -z "$have" ]; then
    echo "Lumivane needs CMake $need or later and finds none: $advice." >&2
    exit 1
fi
if [ "$(printf '%s\n%s\n' "$need" "$have" | sort -V | head -n 1)" != "$need" ]; then
    echo "Lumivane needs CMake $need or later and this machine has $have: $advice." >&2
    exit 1
fi
